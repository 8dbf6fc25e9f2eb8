#include "catalogue.h"

#include <algorithm>

#include "platform/resources.h"

namespace {

// Jokes of a category whose ids run from first to last, truncated toward zero as the stored
// counting does; widened so that a wild last id cannot overflow.
long long JokesBetween(int first, int last) {
    return (static_cast<long long>(last) - first + 1) / 2;
}

}  // namespace

AnsiString LoadCatalogueString(int id) {
    char buffer[StringBufferSize];
    LoadStringA(HInstance, static_cast<unsigned>(id), buffer, StringBufferSize);
    return AnsiString(buffer);
}

AnsiString CategoryCaption(int category) {
    return LoadCatalogueString(CaptionStringId(category));
}

int LastStringId(int category) {
    return StrToInt(LoadCatalogueString(LastIdStringId(category)));
}

int JokeCount(int category) {
    return static_cast<int>(JokesBetween(FirstStringId(category), LastStringId(category)));
}

void CountJokes(int& total,
                const std::function<void(int category, const AnsiString& caption)>& eachCategory) {
    total = 0;
    for (int category = 0; category < CategoryCount; ++category) {
        eachCategory(category, CategoryCaption(category));
        total += JokeCount(category);
    }
}

std::optional<JokeLocation> LocateJoke(int jokeNumber) {
    long long before = 0;
    for (int category = 0; category < CategoryCount; ++category) {
        int first = FirstStringId(category);
        // As many jokes as the walk j = first, first + 2, ... while j < last visits: none when
        // the last id lies below the first, where the count would go negative.
        long long visited = std::max(0LL, JokesBetween(first, LastStringId(category)));
        if (jokeNumber > before && jokeNumber <= before + visited) {
            int authorId = first + 2 * static_cast<int>(jokeNumber - before - 1);
            return JokeLocation{category, authorId, authorId + 1};
        }
        before += visited;
    }
    return std::nullopt;
}

int FirstJokeNumber(int category) {
    int number = 1;
    for (int earlier = 0; earlier < category; ++earlier) {
        number += JokeCount(earlier);
    }
    return number;
}

int JokeNumber(int category, int authorId) {
    return FirstJokeNumber(category) + (authorId - FirstStringId(category)) / 2;
}
