#include "core/conference/DialInNumbers.h"

#include "core/conference/RoomInfo.h"

namespace {

// Service numbers of the operator: a national number, a toll-free one and two local
// access numbers per set.
constexpr DialInNumbers kFirst { { "4006-880-100", "800-810-0100", "010-5730-0100", "021-6130-0100" } };
constexpr DialInNumbers kSecond { { "4006-880-200", "800-810-0200", "020-3860-0200", "0755-8620-0200" } };

} // namespace

const DialInNumbers& DialInNumbers::first()
{
    return kFirst;
}

const DialInNumbers& DialInNumbers::second()
{
    return kSecond;
}

const DialInNumbers& DialInNumbers::forNoteNumber(std::string_view noteNumber)
{
    return RoomInfo::usesFirstDialInSet(noteNumber) ? kFirst : kSecond;
}
