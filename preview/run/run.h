#pragma once
// One run of the preview over saved mail: each message read as the mail client reads it, handed
// to the plugin as the message on view, and explained when nothing showed; a summary at the end.
// What it prints goes to one stream, so that a caller can bound or keep it.
#include <cstdio>
#include <string>
#include <vector>

#include "diagnosis/proposal_words.h"
#include "mail/message_pieces.h"
#include "preview/mailbox/mail_source.h"
#include "preview/run/run_summary.h"
#include "preview/stand_in/plugin_library.h"

class PreviewRun {
  public:
    // With `suggest`, the settings are proposed from the issues instead of their boxes shown.
    PreviewRun(const PluginLibrary &plugin, unsigned codePage, bool explain, bool suggest,
               std::FILE *out);

    // Every message found at the paths, in turn, then what is left over and the summary.
    void PreviewAll(const std::vector<std::string> &paths);

    // Mistakes told before the run, which its exit status counts as warnings.
    void CountWarnings(size_t count) { Summary.Tally.Warnings += count; }

    // The exit status the run comes to, as --help explains it.
    ExitStatus Status() const { return StatusOf(Summary.Tally); }

  private:
    // A message to show: its body as the mail client hands it over, and how it was made.
    struct Message {
        std::string Body;
        std::string Origin;             // how the body was read; empty for a bare body
        std::string Subject;            // UTF-8
        std::vector<std::string> Notes; // what the client would do differently
    };

    void Take(SavedMessage &saved);
    void Finish();
    void PassOver(const std::string &name, const std::string &reason);
    void Skip(const std::string &name, const std::string &reason);
    void TakeMessage(SavedMessage saved);
    void TakePiece(MessagePiece piece, const std::string &name);
    void ShowMessage(const std::string &name, Message message);
    void ShowBody(std::string body);
    void KeepIssue(std::string body, const std::string &name);
    void Suggest(const std::vector<std::string> &paths);
    void PrintLine(const std::string &line) const;
    void PrintLines(const std::string &text) const;

    const PluginLibrary &Plugin;
    const unsigned CodePage;
    const bool Explain;
    const bool Suggesting;
    std::FILE *const Out;
    RunSummary Summary;
    MessagePieces Pieces;
    size_t Taken = 0;  // entries of the mail, messages or not
    size_t Number = 0; // of the last message line printed
    // With `suggest`: the issues read, and what they are called.
    std::vector<std::string> Issues;
    ProposalSources IssueNames;
    size_t IssueBytes = 0;
    size_t IssuesLeftOut = 0;
};
