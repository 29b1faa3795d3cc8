#include "lesson4.h"

namespace kerbu::lesson4 {

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

constexpr SentenceContent content{.sentences = sentences, .pictures = pictures, .orderedCount = 6};

} // namespace

const SentenceContent& sentences() {
    return content;
}

} // namespace kerbu::lesson4
