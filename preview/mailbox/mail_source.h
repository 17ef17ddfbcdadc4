#pragma once
// What a reader saves mail as, taken apart into messages one at a time: one message or body a
// file, an mbox file (a message a "From " line), an Apple Mail .emlx, any of them compressed
// with gzip, bzip2 or xz, a Maildir folder (cur/ and new/) or a plain folder of such files and
// folders. Each is recognised by what it holds, not by its name; a mailbox is read a message at
// a time, so that no more than one message is held however large the mailbox.
#include <deque>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "preview/mailbox/saved_message.h"

class MboxReader;

class MailSource {
  public:
    // The messages found at the paths, in order: an mbox's in file order, a Maildir's in
    // delivery order, a folder's in name order. What a folder holds besides mail is passed over;
    // a path named here is read, or said to be unreadable, never passed over.
    explicit MailSource(const std::vector<std::string> &paths);
    ~MailSource();
    MailSource(const MailSource &) = delete;
    MailSource &operator=(const MailSource &) = delete;

    // The next message, or what became of a file that gives none; false at the end.
    bool Next(SavedMessage &message);

  private:
    struct Path {
        std::string Name;
        bool Named; // on the command line, not found in a folder
    };

    void Visit(const Path &path);
    void VisitFolder(const std::string &path);
    void VisitFile(const Path &path);
    // A file that gives no message: passed over in a folder, unreadable when named.
    void Refuse(const Path &path, const std::string &name, const std::string &what);

    std::deque<Path> Paths;
    std::deque<SavedMessage> Found;
    std::unique_ptr<MboxReader> Mailbox;
    std::set<std::string> FoldersSeen; // by real path: a link back to a folder is read once
};
