#pragma once
#include <string_view>

namespace docbase {

// Web addresses the program shows. All hosts are reserved example domains.
inline constexpr std::string_view kMakerSite = "www.example.net";
inline constexpr std::string_view kMakerAddress = "http://www.example.net";
// The information link of the generated pages: the maker's address again.
inline constexpr std::string_view kInformationAddress = kMakerAddress;
// Web search: scheme http, path /search, query key q; the query follows unencoded.
inline constexpr std::string_view kSearchPrefix = "http://www.google.com/search?q=";

// Example host names of the rename instructions and the destination prompt.
inline constexpr std::string_view kExampleWwwHost = "www.example.com";
inline constexpr std::string_view kExampleHttpHost = "http.example.com";
inline constexpr std::string_view kExampleHttpsHost = "https.example.com";
inline constexpr std::string_view kExampleDestination = "www.example.com";

}  // namespace docbase
