// Runs every test with a time limit: a test that hangs (a dialog nobody
// answers, a lost message) ends the whole run with a clear line instead of
// blocking it.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kTestTimeoutMs = 60000;

class Watchdog : public ::testing::EmptyTestEventListener {
public:
    Watchdog() : done_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

    void OnTestStart(const ::testing::TestInfo& info) override
    {
        name_ = std::string(info.test_suite_name()) + "." + info.name();
        ResetEvent(done_);
        thread_ = CreateThread(nullptr, 0, Watch, this, 0, nullptr);
    }
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        SetEvent(done_);
        if (thread_) {
            WaitForSingleObject(thread_, INFINITE);
            CloseHandle(thread_);
            thread_ = nullptr;
        }
    }

private:
    static DWORD WINAPI Watch(void* self)
    {
        auto* dog = static_cast<Watchdog*>(self);
        if (WaitForSingleObject(dog->done_, kTestTimeoutMs) == WAIT_TIMEOUT) {
            std::fprintf(stderr, "\nTIMEOUT: %s ran longer than %lu ms\n", dog->name_.c_str(), kTestTimeoutMs);
            std::fflush(stderr);
            TerminateProcess(GetCurrentProcess(), 124);
        }
        return 0;
    }

    HANDLE done_;
    HANDLE thread_ = nullptr;
    std::string name_;
};

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new Watchdog);
    return RUN_ALL_TESTS();
}
