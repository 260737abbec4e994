// Where the product lives on the web and where bug reports go.
#pragma once

namespace qv {

inline constexpr const char kProductWebAddress[] = "https://quorvan.example.org/";
inline constexpr const char kBugReportEmail[] = "bugs@quorvan.example.org";

}  // namespace qv
