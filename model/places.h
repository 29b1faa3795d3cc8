#pragma once

#include <QString>
#include <span>

// The places of the lesson that take -ra/-re, onto, where English says into or to: in
// groups, as a learner learns them by heart.
namespace kerbu::places {

struct OntoGroup {
    const char* as{}; // who else takes -ra/-re: "many institutions and events"
    std::span<const char16_t* const> places{};
};

std::span<const OntoGroup> ontoGroups();
// The group of a place by its last word ("a Gellérthegy" is Gellérthegy); none for a place
// that takes -ba/-be.
const OntoGroup* ontoGroupOf(const QString& place);
// Why the place takes -ra/-re and not -ba/-be: "posta takes -ra/-re, not -ba/-be, as many
// institutions and events do: learn it with its ending". Empty for a place of no group.
QString whyOnto(const QString& place);

} // namespace kerbu::places
