// Fontconfig reads its whole configuration and its font caches the first
// time any text is measured, which at start-up is the chooser's first label.
// This reads them on a thread of its own while the application is still
// connecting to the display.
#pragma once

#include <thread>

class TLecturePolices {
public:
    TLecturePolices(); // starts the reading
    ~TLecturePolices();
    TLecturePolices(const TLecturePolices &) = delete;
    TLecturePolices &operator=(const TLecturePolices &) = delete;

    // Waits for the reading, before any text is measured: the toolkit
    // would otherwise read everything a second time.
    void Attendre();

private:
    std::thread lecture;
};
