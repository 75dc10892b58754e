#include "LecturePolices.h"

#include <fontconfig/fontconfig.h>

TLecturePolices::TLecturePolices() : lecture([] { FcInit(); }) {}

TLecturePolices::~TLecturePolices() { Attendre(); }

void TLecturePolices::Attendre()
{
    if (lecture.joinable())
        lecture.join();
}
