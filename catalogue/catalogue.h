// The joke catalogue: the categories and jokes as the program's string table lays them out, and
// the numbering of all jokes from 1 in category order. Nothing is kept: every call reads the
// strings it needs from HInstance at the time of the call.
#pragma once

#include <functional>
#include <optional>

#include "platform/sysutils.h"

inline constexpr int CategoryCount = 14;
// Every string is read into a buffer of this size, so at most one byte less arrives.
inline constexpr int StringBufferSize = 1024;

// Ids 0..27 hold, per category, its caption and its last string id written as decimal digits.
constexpr int CaptionStringId(int category) {
    return 2 * category;
}
constexpr int LastIdStringId(int category) {
    return 2 * category + 1;
}
// A category owns IdsPerCategory ids from its first string id: per joke an author id (even; no
// text means no author) followed by its text id, up to its last string id.
inline constexpr int IdsPerCategory = 1000;
constexpr int FirstStringId(int category) {
    return IdsPerCategory * (category + 1);
}

// The text of a string id, as it arrives through a StringBufferSize buffer; empty without text.
AnsiString LoadCatalogueString(int id);

AnsiString CategoryCaption(int category);
// Raises EConvertError when the stored text is not an integer.
int LastStringId(int category);
int JokeCount(int category);

// Start-up walk: hands each category's caption to eachCategory, then adds its jokes to total,
// which starts at 0. A broken last-id text raises EConvertError after its category's caption was
// handed over; total then holds the jokes of the categories before it.
void CountJokes(int& total,
                const std::function<void(int category, const AnsiString& caption)>& eachCategory);

struct JokeLocation {
    int Category;
    int AuthorId;
    int TextId;

    bool operator==(const JokeLocation&) const = default;
};

// No result for a number outside 1 to the number of jokes.
std::optional<JokeLocation> LocateJoke(int jokeNumber);
int FirstJokeNumber(int category);
// The inverse of LocateJoke.
int JokeNumber(int category, int authorId);
