#pragma once

enum : unsigned {
  kTestStringWindowNotCreated = 1,
  kTestStringMissing = 999,
};
