#pragma once
// What the author lookup button does with the text of the name box, without the widgets: which
// catalogue entry to select and load, or which message to show.

#include <string>
#include <string_view>

namespace veyrin {

enum class AuthorLookupOutcome { Found, EmptyName, NotFound };

struct AuthorLookupResult {
    AuthorLookupOutcome outcome;
    int catalogueIndex;  // the found row; -1 otherwise
};

AuthorLookupResult lookUpAuthor(std::string_view gbkText);

// The message shown for an outcome (GBK); empty for Found, which shows none.
std::string authorLookupMessage(AuthorLookupOutcome outcome);

}  // namespace veyrin
