#include "diagnosis/run_status.h"

ExitStatus StatusOf(const RunTally &tally) {
    if (tally.Unreadable > 0) {
        return ExitStatus::Unreadable;
    }
    if (tally.Boxes > 0 || !tally.MailGiven) {
        return tally.Warnings > 0 ? ExitStatus::BoxesWithWarnings : ExitStatus::BoxesShown;
    }
    return tally.Issues > 0 ? ExitStatus::IssueWithoutBox : ExitStatus::NoIssue;
}

std::string StatusNumber(ExitStatus status) { return std::to_string(static_cast<int>(status)); }
