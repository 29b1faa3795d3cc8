#include "windowtable.h"

#include "alap.h"
#include "exerciseframe.h"
#include "exercises/k04d1a.h"
#include "exercises/k04d1b.h"
#include "exercises/k04d2a.h"
#include "exercises/k04d2b.h"
#include "exercises/k04d2c.h"
#include "exercises/k04d3.h"
#include "exercises/k04d4.h"
#include "exercises/k04d5.h"
#include "hatter.h"
#include "sobre.h"

namespace kerbu {

namespace {

template <typename W> std::unique_ptr<FormWindow> window() {
    return std::make_unique<W>();
}

// An exercise window with the frame that every exercise carries around its drill.
template <typename W, WindowId id> std::unique_ptr<FormWindow> exercise() {
    auto built = std::make_unique<W>();
    built->addPart(std::make_unique<ExerciseFrame>(id, built->frameDesign()));
    return built;
}

} // namespace

const std::array<WindowEntry, windowCount> windowTable{{
    {.id = WindowId::sobre, .name = "sobre", .build = window<Sobre>},
    {.id = WindowId::alap, .name = "alap", .build = window<Alap>},
    {.id = WindowId::hatter, .name = "hatter", .build = window<Hatter>},
    {.id = WindowId::k04d1a,
     .name = "k04d1a",
     .build = exercise<K04d1a, WindowId::k04d1a>,
     .goToCaption = "&1a",
     .helpTopic = 5},
    {.id = WindowId::k04d1b,
     .name = "k04d1b",
     .build = exercise<K04d1b, WindowId::k04d1b>,
     .goToCaption = "1&b",
     .helpTopic = 10},
    {.id = WindowId::k04d2a,
     .name = "k04d2a",
     .build = exercise<K04d2a, WindowId::k04d2a>,
     .goToCaption = "2&a",
     .helpTopic = 20},
    {.id = WindowId::k04d2b,
     .name = "k04d2b",
     .build = exercise<K04d2b, WindowId::k04d2b>,
     .goToCaption = "&2b",
     .helpTopic = 30},
    {.id = WindowId::k04d2c,
     .name = "k04d2c",
     .build = exercise<K04d2c, WindowId::k04d2c>,
     .goToCaption = "2&c",
     .helpTopic = 25},
    {.id = WindowId::k04d3,
     .name = "k04d3",
     .build = exercise<K04d3, WindowId::k04d3>,
     .goToCaption = "&3"},
    {.id = WindowId::k04d4,
     .name = "k04d4",
     .build = exercise<K04d4, WindowId::k04d4>,
     .goToCaption = "&4",
     .helpTopic = 25},
    {.id = WindowId::k04d5,
     .name = "k04d5",
     .build = exercise<K04d5, WindowId::k04d5>,
     .goToCaption = "&5"},
}};

const WindowEntry& entryOf(WindowId id) {
    return windowTable[static_cast<std::size_t>(id)];
}

} // namespace kerbu
