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

struct SavedMessage {
    enum class Kind {
        Message,    // Bytes: the message as saved, or the body
        Unreadable, // mail that cannot be read: Reason says why
        Damaged, // a file whose reading stopped part way: Reason says where, and what came before
        NotMessage, // a file in a folder that is no mail: Reason says what it is
        Deleted,    // a message the reader deleted, not yet purged: Reason says how it shows
        Empty,      // an empty folder
    };
    Kind What = Kind::Message;
    std::string Name; // the file, or "file, message N" within a mailbox
    std::string Bytes;
    std::string Reason;
};

class MboxReader;

class SavedMail {
  public:
    // The messages found at the paths, in order: an mbox's in file order, a Maildir's in
    // delivery order, a folder's in name order. What a folder holds besides mail is passed over;
    // a path named here is read, or said to be unreadable, never passed over.
    explicit SavedMail(const std::vector<std::string> &paths);
    ~SavedMail();
    SavedMail(const SavedMail &) = delete;
    SavedMail &operator=(const SavedMail &) = delete;

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

// True when the bytes are an mbox file: they start with a "From " line, then header fields.
bool IsMbox(const std::string &bytes);

// The messages of an mbox file, their "From " lines taken off and the ">From " quoting of the
// mboxrd convention undone; a message's Content-Length is honoured where it ends at the next
// "From " line (mboxcl, mboxcl2).
std::vector<std::string> SplitMbox(const std::string &bytes);
