#pragma once
// The unit's genre codes and their names (CP932).
#include <string_view>

namespace textaid {

// The name of genre 1..15, or an empty view for any other number.
std::string_view genreName(int genre);
// The code of a genre name, 0 when it is none.
unsigned short genreCode(std::string_view name);

}  // namespace textaid
