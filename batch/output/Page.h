#pragma once

#include <string>
#include <vector>

#include "batch/core/Problem.h"
#include "batch/results/BatchResult.h"
#include "batch/output/HtmlPage.h"

// The --html page of a batch made or merged: the settings by name, the
// summary (sampled and exact side by side), the course of the run's
// sessions, the final balances and, where asked for, the first sessions;
// of a comparison, its table, its picture and the systems' courses side by
// side.
struct OutputChoice;
std::string BatchPage(const OutputChoice& choice, const BatchResult& result);

// The page of a sweep: its heat map (of two sweeps, coloured by --show)
// and the first cells of its table.
class SweepOutputs;
std::string SweepPage(const OutputChoice& choice, const BatchResult& head, const SweepOutputs& outputs);

// The sections every page starts with: the settings by name.
PageSection SettingsSection(const RunSettings& settings);
// What a page says it shows: exact, sampled, which wheel.
std::string PageSubtitle(const BatchResult& result);
