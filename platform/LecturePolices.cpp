#include "LecturePolices.h"

#include <fontconfig/fontconfig.h>

TLecturePolices::TLecturePolices(std::function<void()> ensuite)
    : lecture([ensuite = std::move(ensuite)] {
          FcInit();
          if (ensuite)
              ensuite();
      })
{
}

TLecturePolices::~TLecturePolices() { Attendre(); }

void TLecturePolices::Attendre()
{
    if (lecture.joinable())
        lecture.join();
}
