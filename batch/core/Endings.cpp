#include "batch/core/Endings.h"

const std::array<EndingWords, kEndings> kEndingWords = {{
    {"max_balance_or_wager_limit", "ended at max balance or wager limit", "max balance or wager limit", "#2166ac"},
    {"min_balance", "ended at min balance", "min balance", "#d6604d"},
    {"table_limit_or_last_game", "ended at table limit or last game", "table limit or last game", "#7f7f7f"},
    {"failed_check", "ended by a failed check", "failed check", "#1a1a1a"},
    {"no_count", "ended without a count", "no count", "#bbbbbb"},
}};
