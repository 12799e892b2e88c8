#pragma once
// Private to report/: URI references for SARIF artifact locations.

#include <string>
#include <string_view>

namespace velmora::report {

// Every byte but the unreserved characters (letters, digits, - . _ ~) as %XX.
std::string percentEncoded(std::string_view text);

// A file path as a URI reference: a relative path stays relative, with '/' between its
// percent-encoded segments; an absolute one becomes a file: URI.
std::string fileUri(std::string_view path);

} // namespace velmora::report
