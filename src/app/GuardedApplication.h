// The desktop program's application object: an exception that leaves an event handler (memory
// running out while a command works, say) ends that one event with a message box instead of
// ending the program, which Qt cannot carry an exception through.
#pragma once

#include "doc/MessageSink.h"

#include <QApplication>

#include <exception>
#include <new>

inline constexpr wchar_t kOutOfMemoryMessage[] = L"メモリが不足しているため、操作を中止しました。";
inline constexpr wchar_t kUnexpectedErrorMessage[] =
    L"予期しないエラーが発生したため、操作を中止しました。";

class CGuardedApplication : public QApplication {
public:
    CGuardedApplication(int& argc, char** argv);

    // Where the message of a stopped event goes; without one it goes nowhere.
    void ReportTo(IMessageSink* messages) { m_messages = messages; }

    // Runs work; an exception stops it with the message. False when it was stopped.
    template <typename Work> bool Guarded(Work work) {
        try {
            work();
            return true;
        } catch (const std::bad_alloc&) {
            Report(kOutOfMemoryMessage);
        } catch (const std::exception&) {
            Report(kUnexpectedErrorMessage);
        }
        return false;
    }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void Report(const wchar_t* text) noexcept;

    IMessageSink* m_messages = nullptr;
};
