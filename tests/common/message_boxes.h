#pragma once
// Answers the message boxes of the calling thread by itself, and keeps what each one showed.
#include <functional>
#include <string>
#include <vector>

struct ShownBox {
    std::string Caption;
    std::string Text;
    bool operator==(const ShownBox &other) const {
        return Caption == other.Caption && Text == other.Text;
    }
};

class BoxAnswerer {
  public:
    // IDOK or IDCANCEL for the boxes in order; IDOK for every box after them.
    explicit BoxAnswerer(std::vector<int> answers = {});
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer &) = delete;
    BoxAnswerer &operator=(const BoxAnswerer &) = delete;

    const std::vector<ShownBox> &Shown() const;
};

// Runs `work` once while the next box is open, as the host's own window messages run when the
// box's modal loop dispatches them. The box is answered when the work is done.
void WhileNextBoxIsOpen(std::function<void()> work);
