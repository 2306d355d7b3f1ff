#pragma once
// Drives modal windows from a test: the step runs once the window is the active modal one.

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>

namespace tarvenik::test {

namespace detail {

template <class T>
void lookFor(std::function<void(T*)> step, int looksLeft, bool optional, int delayMs) {
    QTimer::singleShot(delayMs, [step, looksLeft, optional] {
        if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget())) {
            step(window);
        } else if (looksLeft > 1) {
            lookFor<T>(step, looksLeft - 1, optional, 10);
        } else if (!optional) {
            QFAIL("the window never showed");
        }
    });
}

} // namespace detail

// Runs `step` on the modal window of type T once it is shown. It looks as soon as the event
// loop runs and then every 10 ms, `looks` times in all (five seconds by default), since
// windows that compute before they show, like the report, take a moment. A window that
// never shows fails the test; a test that asks whether a window opens at all passes
// looks = 1 and optional = true and checks what its step recorded.
template <class T>
void whenShown(std::function<void(T*)> step, int looks = 500, bool optional = false) {
    detail::lookFor<T>(std::move(step), looks, optional, 0);
}

} // namespace tarvenik::test
