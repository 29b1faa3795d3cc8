#include "k04d3.h"

#include "platform/colours.h"

namespace kerbu {

namespace {

// Entries 0 to 5, one per picture, make the ordered run. The roles are those of the
// words of the sentence with the pronoun.
using enum WordRole;
// clang-format off
constexpr Sentence sentences[] = {
    {.mond = u"Kati a bankba megy.", .mond1 = u"Kati a bankba megy.", .picture = 0, .person = u"(Kati)", .roles = {Person, Article, PlaceInto, Verb}},
    {.mond = u"Az autóban ülök.", .mond1 = u"Én az autóban ülök.", .picture = 1, .person = u"(én)", .roles = {Pronoun, Article, PlaceIn, Verb}},
    {.mond = u"A könyvtárban olvasok.", .mond1 = u"Én a könyvtárban olvasok.", .picture = 2, .person = u"(én)", .roles = {Pronoun, Article, PlaceIn, Verb}},
    {.mond = u"A postára sietsz.", .mond1 = u"Te a postára sietsz.", .picture = 3, .person = u"(te)", .roles = {Pronoun, Article, PlaceOnto, Verb}},
    {.mond = u"Sándor a téren vár.", .mond1 = u"Sándor a téren vár.", .picture = 4, .person = u"(Sándor)", .roles = {Person, Article, PlaceOn, Verb}},
    {.mond = u"A szobában pihensz.", .mond1 = u"Te a szobában pihensz.", .picture = 5, .person = u"(te)", .roles = {Pronoun, Article, PlaceIn, Verb}},
    {.mond = u"A bankba megyek.", .mond1 = u"Én a bankba megyek.", .picture = 0, .person = u"(én)", .roles = {Pronoun, Article, PlaceInto, Verb}},
    {.mond = u"Az autóban ülsz.", .mond1 = u"Te az autóban ülsz.", .picture = 1, .person = u"(te)", .roles = {Pronoun, Article, PlaceIn, Verb}},
    {.mond = u"János a könyvtárban olvas.", .mond1 = u"János a könyvtárban olvas.", .picture = 2, .person = u"(János)", .roles = {Person, Article, PlaceIn, Verb}},
    {.mond = u"A postára sietek.", .mond1 = u"Én a postára sietek.", .picture = 3, .person = u"(én)", .roles = {Pronoun, Article, PlaceOnto, Verb}},
    {.mond = u"A téren vársz.", .mond1 = u"Te a téren vársz.", .picture = 4, .person = u"(te)", .roles = {Pronoun, Article, PlaceOn, Verb}},
    {.mond = u"Anna a szobában pihen.", .mond1 = u"Anna a szobában pihen.", .picture = 5, .person = u"(Anna)", .roles = {Person, Article, PlaceIn, Verb}},
    {.mond = u"A bankba mész.", .mond1 = u"Te a bankba mész.", .picture = 0, .person = u"(te)", .roles = {Pronoun, Article, PlaceInto, Verb}},
    {.mond = u"János a postára siet.", .mond1 = u"János a postára siet.", .picture = 3, .person = u"(János)", .roles = {Person, Article, PlaceOnto, Verb}},
    {.mond = u"A téren várok.", .mond1 = u"Én a téren várok.", .picture = 4, .person = u"(én)", .roles = {Pronoun, Article, PlaceOn, Verb}},
    {.mond = u"A szobában pihenek.", .mond1 = u"Én a szobában pihenek.", .picture = 5, .person = u"(én)", .roles = {Pronoun, Article, PlaceIn, Verb}},
    {.mond = u"Péter az autóban ül.", .mond1 = u"Péter az autóban ül.", .picture = 1, .person = u"(Péter)", .roles = {Person, Article, PlaceIn, Verb}},
};

// The place and the verb of each picture, and what it shows for those who cannot see it.
constexpr Picture pictures[] = {
    {.hat = u"bank", .ig = u"megy", .shows = "a bank"},
    {.hat = u"autó", .ig = u"ül", .shows = "a car"},
    {.hat = u"könyvtár", .ig = u"olvas", .shows = "a library"},
    {.hat = u"posta", .ig = u"siet", .shows = "a post office"},
    {.hat = u"tér", .ig = u"vár", .shows = "a square"},
    {.hat = u"szoba", .ig = u"pihen", .shows = "a room"},
};
// clang-format on

SentenceDesign design() {
    return {
        .title = exerciseTitle({.text = "3.   Make sentences according to the pictures:",
                                .left = 240,
                                .top = 720,
                                .width = 6255,
                                .height = 495,
                                .look = {.align = Qt::AlignLeft | Qt::AlignTop}}),
        .frame = {.name = "Picture1",
                  .left = 2160,
                  .top = 1080,
                  .width = 4815,
                  .height = 3015,
                  .look = {.background = Qt::white}},
        .picture = {.name = "Image1",
                    .left = 30,
                    .top = 45,
                    .width = 4695,
                    .height = 2895,
                    .tabIndex = 14,
                    .accessibleName = "Picture",
                    .accessibleDescription =
                        "Click it, or press Enter on it, to see the main words."},
        .person = {.name = "Label1",
                   .left = 840,
                   .top = 4200,
                   .width = 1095,
                   .height = 495,
                   .look = {.points = 12,
                            .text = Qt::black,
                            .background = colours::green,
                            .align = Qt::AlignCenter},
                   .accessibleName = "Person"},
        .answer = {.name = "Text1",
                   .left = 2040,
                   .top = 4200,
                   .width = 6015,
                   .height = 480,
                   .look = {.face = Face::Serif,
                            .points = 13.5,
                            .text = Qt::black,
                            .background = Qt::white,
                            .align = Qt::AlignCenter},
                   .tabIndex = 1,
                   .accessibleName = "Your sentence",
                   .accessibleDescription = "Write the whole sentence about the picture and the "
                                            "person, then press Enter."},
        .run = {.start = startButton({.width = 1095, .tabIndex = 0}),
                .next = commandButton({.name = "Command2",
                                       .text = "&Next",
                                       .left = 3840,
                                       .top = 4800,
                                       .width = 1215,
                                       .tabIndex = 2,
                                       .enabled = false}),
                .solution = solutionButton({.name = "Command14", .left = 1080, .tabIndex = 13}),
                .charButton = commandButton({.name = "Command13",
                                             .text = "&Char",
                                             .left = 120,
                                             .top = 4920,
                                             .width = 855,
                                             .tabIndex = 12}),
                .hintLine = {.left = 5160, .top = 4770, .width = 3930, .height = 600}},
        .scene = QStringLiteral(":/assets/scene%1.svg"),
    };
}

FrameDesign frame() {
    FrameDesign f = standardFrame(colours::paleOrange, 3);
    f.howTo = {howto::startNextOrEnter, howto::picture, howto::chart};
    return f;
}

} // namespace

K04d3::K04d3(ProgramState& state)
    : SentenceWindow({.name = "k04d3",
                      .titleSuffix = ": 3.",
                      .background = colours::lightGrey,
                      .frame = frame()},
                     design(), {.sentences = sentences, .pictures = pictures, .orderedCount = 6},
                     state) {}

} // namespace kerbu
