#pragma once
// Whether the page handed to the browser shows, from what the browser says
// about it, or from its silence.
#include <string_view>

namespace core {

class PageNavigation {
public:
    // What the viewer has to hear: the page will not show (its source shows
    // instead), or it shows after all.
    enum class Report { None, NotShown, Shown };

    // A page went to the browser.
    void Start() { state_ = State::Waiting; }
    // The page never reached the browser.
    void Abandon() { state_ = State::Failed; }
    bool IsWaiting() const { return state_ == State::Waiting; }
    bool Failed() const { return state_ == State::Failed; }

    Report Refused();
    Report DocumentArrived();
    // Time is up; `documentHere` when the browser stands at the page with a
    // document.
    Report TimedOut(bool documentHere);

private:
    enum class State { Empty, Waiting, Shown, Failed };
    State state_ = State::Empty;
};

// The browser's address names the page file: the file's name, which is
// unique and plain ASCII, appears in it in any case.
bool AddressNamesFile(std::u16string_view address, std::u16string_view path);

}  // namespace core
