#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

namespace app {

// While it lives, SIGTERM, SIGINT and SIGHUP (a session ending, Ctrl+C, a closed terminal)
// run `end` from the event loop instead of killing the process at once, so the program
// ends through its normal exit path.
class EndOnSignal {
public:
    explicit EndOnSignal(std::function<void()> end);
    ~EndOnSignal();
    EndOnSignal(const EndOnSignal &) = delete;
    EndOnSignal &operator=(const EndOnSignal &) = delete;

private:
    std::function<void()> m_end;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace app
