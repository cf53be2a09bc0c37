#pragma once

#include <QtGlobal>
#include <optional>

#include "lessons/lesson.h"
#include "lessons/mat.h"

namespace lessons {

// The lesson on the floor, and how far the run or the replay has come through its targets.
struct OnFloor {
    Lesson lesson;
    Mat mat;
    qsizetype visited = 0;  // targets visited in their order so far
};

std::optional<OnFloor>& onFloor();

}  // namespace lessons
