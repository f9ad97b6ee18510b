#!/usr/bin/env python3
"""The Kubernetes manifest in form: it parses, and the shards' Indexed Job
and the merge Job have what they need to run (Kubernetes cannot run here)."""
import os
import sys
import unittest

import yaml

MANIFEST = os.path.join(os.path.dirname(__file__), "..", "..", "deploy", "kubernetes", "vantrel-shards.yaml")


class Manifest(unittest.TestCase):
    def setUp(self):
        with open(MANIFEST) as f:
            self.documents = {d["metadata"]["name"] + "/" + d["kind"]: d for d in yaml.safe_load_all(f)}

    def container(self, name):
        job = self.documents[name + "/Job"]
        self.assertEqual(job["apiVersion"], "batch/v1")
        pod = job["spec"]["template"]["spec"]
        self.assertEqual(pod["restartPolicy"], "Never")
        claims = {v["persistentVolumeClaim"]["claimName"] for v in pod["volumes"]}
        self.assertEqual(claims, {"vantrel-shards"}, "the volume the shards share")
        (container,) = pod["containers"]
        self.assertEqual(container["volumeMounts"][0]["mountPath"], "/shards")
        return job, container, " ".join(container["args"])

    def test_the_shards_are_an_indexed_job_that_writes_one_file_each(self):
        job, container, script = self.container("vantrel-shards")
        self.assertEqual(job["spec"]["completionMode"], "Indexed")
        shards = job["spec"]["completions"]
        env = {e["name"]: e["value"] for e in container["env"]}
        self.assertEqual(int(env["SHARDS"]), shards)
        self.assertIn("--shard $((JOB_COMPLETION_INDEX + 1))/$SHARDS --json", script)
        self.assertIn("/shards/shard-$JOB_COMPLETION_INDEX.json", script)

    def test_the_merge_waits_for_every_shard(self):
        _, container, script = self.container("vantrel-merge")
        shards = self.documents["vantrel-shards/Job"]["spec"]["completions"]
        self.assertEqual(int({e["name"]: e["value"] for e in container["env"]}["SHARDS"]), shards)
        self.assertIn('-ge "$SHARDS"', script)
        self.assertIn("vantrel-batch merge /shards/shard-*.json", script)
        self.assertEqual(self.documents["vantrel-shards/PersistentVolumeClaim"]["spec"]["accessModes"],
                         ["ReadWriteMany"])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
