// Fontconfig reads its whole configuration and its font caches the first
// time any text is measured, which at start-up is the chooser's first label.
// This reads them on a thread of its own while the application is still
// connecting to the display, then does `ensuite` there: more of the first
// window's work that needs no display.
#pragma once

#include <functional>
#include <thread>

class TLecturePolices {
public:
    explicit TLecturePolices(std::function<void()> ensuite = {}); // starts the reading
    ~TLecturePolices();
    TLecturePolices(const TLecturePolices &) = delete;
    TLecturePolices &operator=(const TLecturePolices &) = delete;

    // Waits for the reading and `ensuite`, before any text is measured: the
    // toolkit would otherwise read everything a second time.
    void Attendre();

private:
    std::thread lecture;
};
