#include "preview/run/run.h"

#include <algorithm>

#include "diagnosis/words.h"
#include "platform/ansi_text.h"
#include "platform/posix/code_page.h"
#include "platform/posix/code_pages.h"
#include "platform/posix/terminal_text.h"
#include "preview/stand_in/host_exports.h"
#include "preview/words/explanation.h"
#include "preview/words/mail_words.h"
#include "viewer/issue.h"

namespace {

// The issues that --suggest keeps for its proposal, at most, and their bytes.
constexpr size_t MostIssuesKept = 5000;
constexpr size_t MostIssueBytes = 256u << 20;

// A path as a POSIX shell reads it back: in single quotes, a quote in it closed and escaped.
std::string ShellQuoted(const std::string &path) {
    std::string quoted = "'";
    for (const char c : path) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

std::string Count(size_t number, const char *one, const char *many) {
    return std::to_string(number) + " " + (number == 1 ? one : many);
}

// A client hands the body over as a C string: the plugin sees the text before a NUL.
void CutAtNul(std::string &body, std::vector<std::string> &notes) {
    const size_t nul = body.find('\0');
    if (nul == std::string::npos) {
        return;
    }
    notes.push_back("its text holds a NUL byte at byte " + std::to_string(nul) +
                    ": the client hands the plugin the text before it, and the " +
                    Count(body.size() - nul, "byte", "bytes") + " from there on are not seen");
    body.resize(nul);
}

} // namespace

PreviewRun::PreviewRun(const PluginLibrary &plugin, unsigned codePage, bool explain, bool suggest,
                       std::FILE *out)
    : Plugin(plugin), CodePage(codePage), Explain(explain), Suggesting(suggest), Out(out) {}

void PreviewRun::PreviewAll(const std::vector<std::string> &paths) {
    Summary.Tally.MailGiven = !paths.empty();
    MailSource mail(paths);
    for (SavedMessage saved; mail.Next(saved);) {
        Take(saved);
    }
    if (Suggesting) {
        Suggest(paths);
    }
    Finish();
}

// Prints a line that may hold what senders wrote or files are named: no control character of
// theirs reaches the terminal.
void PreviewRun::PrintLines(const std::string &text) const {
    for (size_t at = 0; at < text.size();) {
        const size_t end = std::min(text.find('\n', at), text.size());
        PrintLine(text.substr(at, end - at));
        at = end + 1;
    }
}

void PreviewRun::PrintLine(const std::string &line) const {
    std::fprintf(Out, "%s\n", TerminalSafe(line).c_str());
}

void PreviewRun::Take(SavedMessage &saved) {
    ++Taken;
    switch (saved.What) {
    case SavedMessage::Kind::Message:
        TakeMessage(std::move(saved));
        break;
    case SavedMessage::Kind::Unreadable:
        Skip(saved.Name, saved.Reason);
        break;
    case SavedMessage::Kind::Damaged:
        PrintLine("Damaged: " + saved.Name + ": " + saved.Reason);
        std::fprintf(Out, "\n");
        ++Summary.Tally.Unreadable;
        break;
    case SavedMessage::Kind::NotMessage:
        PassOver(saved.Name, "not a message (" + saved.Reason + ")");
        ++Summary.NotMessages;
        break;
    case SavedMessage::Kind::Deleted:
        PassOver(saved.Name, saved.Reason);
        ++Summary.Deleted;
        break;
    case SavedMessage::Kind::Empty:
        PrintLine(saved.Name + ": " + saved.Reason);
        std::fprintf(Out, "\n");
        break;
    }
}

// What is left when the mail runs out: the messages some of whose pieces never came.
void PreviewRun::Finish() {
    for (const std::string &missing : Pieces.Missing()) {
        Skip("a message sent in pieces", missing + ", so it cannot be shown");
    }
    if (Taken > 1) {
        Summary.Print(*Plugin.Inspection->Settings, Out);
    }
}

void PreviewRun::PassOver(const std::string &name, const std::string &reason) {
    PrintLine("Passed over: " + name + ": " + reason);
    std::fprintf(Out, "\n");
}

void PreviewRun::Skip(const std::string &name, const std::string &reason) {
    PrintLine("Message " + std::to_string(++Number) + ": " + name + ": " + reason + "; skipped");
    std::fprintf(Out, "\n");
    ++Summary.Tally.Unreadable;
}

// A message is read once: as mail, whose body is shown or which is a piece kept for later; or as
// a text saved alone.
void PreviewRun::TakeMessage(SavedMessage saved) {
    Message message;
    SavedFile file = ReadSavedFile(saved.Bytes, CodePage);
    std::string().swap(saved.Bytes);
    if (!file.IsMail) {
        message.Origin = OriginOf(file.Text);
        message.Notes = NotesOf(file.Text);
        message.Body = file.Text.Body();
        ShowMessage(saved.Name, std::move(message));
        return;
    }
    MailBody &mail = file.Mail;
    if (mail.Result == MailRead::Piece) {
        TakePiece(std::move(mail.Piece), saved.Name);
        return;
    }
    if (mail.Result != MailRead::Body) {
        Skip(saved.Name, WhyUnread(mail));
        return;
    }
    message.Body = std::move(mail.Text);
    message.Subject = mail.Subject;
    message.Notes = NotesOf(mail);
    message.Origin = OriginOf(mail, CodePage);
    ShowMessage(saved.Name, std::move(message));
}

// Tells the message, then shows its body as the message on view.
void PreviewRun::ShowMessage(const std::string &name, Message message) {
    CutAtNul(message.Body, message.Notes);
    std::string heading = "Message " + std::to_string(++Number) + ": " + name + " (" +
                          std::to_string(message.Body.size()) + " bytes";
    if (!message.Origin.empty()) {
        heading += " of " + message.Origin;
    }
    PrintLine(heading + ")");
    if (!message.Subject.empty()) {
        PrintLine("  Subject: " + message.Subject);
    }
    for (const std::string &note : message.Notes) {
        PrintLine("  Note: " + note);
    }
    std::fprintf(Out, "\n");
    std::fflush(Out);
    if (Suggesting) {
        KeepIssue(std::move(message.Body), name);
        return;
    }
    ShowBody(std::move(message.Body));
}

// Shows the body as the message on view, and says why when nothing showed, or what shows wrong.
void PreviewRun::ShowBody(std::string body) {
    const PluginInspection &inspection = *Plugin.Inspection;
    SetMessageOnView(std::move(body));
    Plugin.Entries.OnUpdateView();
    const TextJudgement judgement = JudgeBody(MessageOnView(), inspection, TakeShownBoxes());
    Summary.Add(judgement);
    if (!judgement.Issue) {
        PrintLine("  " + DescribeMarker(judgement));
        std::fprintf(Out, "\n");
        return;
    }
    const PluginSettings &settings = *inspection.Settings;
    const std::vector<TextAdvice> advice = inspection.AdviseOnText(MessageOnView(), settings);
    Summary.Tally.Warnings += advice.size();
    if (judgement.Boxes > 0 && !Explain && advice.empty()) {
        return;
    }
    std::fprintf(Out,
                 judgement.Boxes == 0 ? "  An issue, but no box was shown:\n" : "  Keywords:\n");
    if (judgement.Count == 0) {
        std::fprintf(Out, "    no keywords are set\n");
    }
    for (int i = 0; i < judgement.Count; ++i) {
        PrintLine("    " + DescribeKeyword(i + 1, judgement.Keywords[i], settings));
    }
    for (const TextAdvice &each : advice) {
        PrintLine("    " + DescribeAdvice(each, settings));
    }
    std::fprintf(Out, "\n");
}

// Keeps an issue for the proposal made from all of them; says why a message that is none is not
// kept.
void PreviewRun::KeepIssue(std::string body, const std::string &name) {
    const PluginInspection &inspection = *Plugin.Inspection;
    TextJudgement judgement{};
    inspection.JudgeText(body.c_str(), body.size() + 1, *inspection.Settings, NoBoxCancelled,
                         judgement);
    Summary.AddSuggestion(judgement);
    if (!judgement.Issue) {
        PrintLine("  " + DescribeMarker(judgement));
        std::fprintf(Out, "\n");
        return;
    }
    if (Issues.size() >= MostIssuesKept || IssueBytes + body.size() > MostIssueBytes) {
        ++IssuesLeftOut;
        return;
    }
    IssueBytes += body.size();
    Issues.push_back(std::move(body));
    IssueNames.Names.push_back(name);
    IssueNames.Offsets.push_back(0);
}

// Proposes the settings from the issues kept as the self-check's /setup does, and prints the
// settings file with the sections that show, and how to save it as the plugin reads it.
void PreviewRun::Suggest(const std::vector<std::string> &paths) {
    if (Issues.empty()) {
        if (Summary.Messages > 0) {
            PrintLine(
                Fill(EnglishWords().NoIssueGiven, {IssueMarker, std::to_string(MarkerWindow)}));
            std::fprintf(Out, "\n");
        }
        return;
    }
    const PluginInspection &inspection = *Plugin.Inspection;
    const PluginSettings &settings = *inspection.Settings;
    if (IssuesLeftOut > 0) {
        PrintLine("Note: the settings are made from the first " + std::to_string(Issues.size()) +
                  " issues; " + std::to_string(IssuesLeftOut) + " more are left out.");
    }
    const SetupProposal proposal = inspection.ProposeSetup(Issues, settings);
    std::vector<std::string> keywords;
    for (const size_t index : ShowingSections(proposal)) {
        keywords.push_back(proposal.Sections[index].Keyword);
    }
    Summary.AddProposal(proposal.Issues.size(), keywords.size());
    PrintLine("Settings made from " + std::string(Issues.size() == 1 ? "the issue" : "the issues") +
              ":");
    PrintLines(DescribeProposal(proposal, IssueNames));
    if (keywords.empty()) {
        std::fprintf(Out, "\n");
        return;
    }
    const std::string file =
        inspection.SettingsFileText({ProposalComment(EnglishWords(), proposal)}, keywords,
                                    proposal.Separator, settings.PageLines);
    std::fprintf(Out, "\n  plugins/%s, with the sections that show:\n\n", SettingsFileName);
    if (proposal.Shown > keywords.size()) {
        PrintLine("  (" + std::to_string(proposal.Shown) + " sections show, but the plugin reads " +
                  std::to_string(keywords.size()) + " keywords at most: the first " +
                  std::to_string(keywords.size()) + " are written)");
    }
    std::string utf8 = Utf8OfAnsi(file);
    utf8.erase(std::remove(utf8.begin(), utf8.end(), '\r'), utf8.end());
    PrintLines(utf8);
    std::fprintf(Out,
                 "\n  To save it in Shift_JIS with CR LF line ends, as the plugin reads it:\n");
    std::string command = "    dovrink-preview --batch --suggest";
    for (const std::string &path : paths) {
        command += " " + ShellQuoted(path);
    }
    PrintLine(command +
              " | sed -n '/^\\[dovrink\\]/,/^line=/p' | iconv -f UTF-8 -t CP932 | sed "
              "'s/$/\\r/' > plugins/" +
              SettingsFileName);
    std::fprintf(Out, "\n");
}

// A piece is kept until the last one comes; then the whole message is shown.
void PreviewRun::TakePiece(MessagePiece piece, const std::string &name) {
    const std::string which = "piece " + std::to_string(piece.Number) + " of " +
                              std::to_string(piece.Total) + " of a message sent in pieces";
    std::string whole;
    if (!Pieces.Add(std::move(piece), whole)) {
        PassOver(name, which + "; kept until the others come");
        return;
    }
    PassOver(name, which + ", the last to come: the whole message follows");
    TakeMessage(MessageOf(name + " (joined from its pieces)", std::move(whole)));
}
