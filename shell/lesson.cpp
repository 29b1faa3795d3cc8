#include "lesson.h"

#include "exercisebuild.h"
#include "exercises/exercises.h"

#include <algorithm>

namespace kerbu {

namespace {

// The go-to buttons' names as each window has them: 1/a and 1/b number theirs apart
// from the others.
constexpr int oneAButtons[] = {12, 9, 5, 10, 11, 6, 7, 8};
constexpr int oneBButtons[] = {9, 10, 5, 11, 12, 6, 7, 8};
constexpr int otherButtons[] = {10, 9, 5, 11, 12, 6, 7, 8};

// clang-format off
constexpr Exercise exercises[] = {
    {.name = "k04d1a", .build = buildExercise<exercises::k04d1a>, .goToCaption = "&1a", .helpTopic = 5,
     .goToButtons = oneAButtons,
     .menu = {.top = 1080, .button = "AniButton1", .taskName = "Label1",
              .task = "Put in the correct suffixes.", .topicName = "Label10",
              .topic = "(Adverbs of place: Hova? -ba, -be)"}},
    {.name = "k04d1b", .build = buildExercise<exercises::k04d1b>, .goToCaption = "1&b", .helpTopic = 10,
     .goToButtons = oneBButtons,
     .menu = {.top = 1680, .button = "AniButton3", .taskName = "Label2",
              .task = "Put in the correct suffixes.", .topicName = "Label9",
              .topic = "(Adverbs of place: Hova? -ra, -re)"}},
    {.name = "k04d2a", .build = buildExercise<exercises::k04d2a>, .goToCaption = "2&a", .helpTopic = 20,
     .goToButtons = otherButtons,
     .menu = {.top = 2280, .button = "AniPushButton1", .taskName = "Label5",
              .task = "Put in the correct suffixes.", .topicName = "Label11",
              .topic = "(The accusative  of nouns)"}},
    {.name = "k04d2b", .build = buildExercise<exercises::k04d2b>, .goToCaption = "&2b", .helpTopic = 30,
     .goToButtons = otherButtons,
     .menu = {.top = 2880, .button = "AniPushButton2", .taskName = "Label6",
              .task = "Put in the correct suffixes.", .topicName = "Label12",
              .topic = "(The accusative  of numerals)"}},
    {.name = "k04d2c", .build = buildExercise<exercises::k04d2c>, .goToCaption = "2&c", .helpTopic = 25,
     .goToButtons = otherButtons,
     .menu = {.top = 3480, .button = "AniPushButton3", .taskName = "Label7",
              .task = "Put in the correct suffixes.", .topicName = "Label13",
              .topic = "(The accusative  of adjectives)"}},
    {.name = "k04d3", .build = buildExercise<exercises::k04d3>, .goToCaption = "&3",
     .goToButtons = otherButtons,
     .menu = {.top = 4080, .button = "AniButton2", .taskName = "Label3",
              .task = "Make sentences according to the pictures in written or/and oral form.",
              .topicName = "Label14", .topic = "(Adverbs of place: Hol? Hova?)", .tall = true}},
    {.name = "k04d4", .build = buildExercise<exercises::k04d4>, .goToCaption = "&4", .helpTopic = 25,
     .goToButtons = otherButtons,
     .menu = {.top = 4920, .button = "AniPushButton4", .taskName = "Label4",
              .task = "Fill in the gaps.     ", .topicName = "Label16",
              .topic = "(Accusative: adjectives and numerals)"}},
    {.name = "k04d5", .build = buildExercise<exercises::k04d5>, .goToCaption = "&5",
     .goToButtons = otherButtons,
     .menu = {.top = 5520, .button = "AniButton4", .taskName = "Label8",
              .task = "Fill in the gaps.     ", .topicName = "Label15",
              .topic = "(Acc.: nouns, adjectives and numerals)"}},
};
// clang-format on

// Every window has a go-to button for every exercise of the lesson.
static_assert(std::ranges::all_of(exercises, [](const Exercise& e) {
    return e.goToButtons.size() == std::size(exercises);
}));

constexpr Lesson lesson{
    .title = "4. lecke", .helpFile = "qrc:/help/kerbud1.html", .exercises = exercises};

} // namespace

int Lesson::indexOf(const QString& name) const {
    for (int position = 0; position < size(); ++position) {
        if (name == QLatin1String(exercises[std::size_t(position)].name))
            return position;
    }
    return -1;
}

const Lesson& lesson4() {
    return lesson;
}

} // namespace kerbu
