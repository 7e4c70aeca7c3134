#include "sim/SimBrowser.h"

#include <httplib.h>

#include <algorithm>
#include <cctype>

#include "sim/AsciiCase.h"
#include "sim/WebServers.h"

namespace sim {

namespace {

constexpr time_t kLoopbackTimeoutSeconds = 5;

struct SplitUrl {
  std::string origin;  // "http://host[:port]"
  std::string host;
  std::string path;
};

std::optional<SplitUrl> Split(std::string_view url) {
  constexpr std::string_view kScheme = "http://";
  if (AsciiLower(url.substr(0, kScheme.size())) != kScheme) return std::nullopt;
  size_t slash = url.find('/', kScheme.size());
  std::string_view origin = url.substr(0, slash);
  std::string_view path = slash == std::string_view::npos ? std::string_view("/") : url.substr(slash);
  std::string_view authority = origin.substr(kScheme.size());
  return SplitUrl{std::string(origin), std::string(authority.substr(0, authority.find(':'))),
                  std::string(path)};
}

// The values of attribute in every tag named one of tags, in page order.
std::vector<std::string> AttributeValues(const std::string& page, std::initializer_list<const char*> tags,
                                         const char* attribute) {
  std::string lower = AsciiLower(page);
  std::vector<std::string> values;
  for (size_t open = lower.find('<'); open != std::string::npos; open = lower.find('<', open + 1)) {
    size_t close = lower.find('>', open);
    if (close == std::string::npos) break;
    std::string_view tag(lower.data() + open + 1, close - open - 1);
    std::string_view name = tag.substr(0, tag.find_first_of(" \t\r\n"));
    if (std::none_of(tags.begin(), tags.end(), [&](const char* t) { return name == t; })) continue;
    size_t at = tag.find(std::string(attribute) + "=");
    if (at == std::string_view::npos) continue;
    size_t start = at + std::string_view(attribute).size() + 1;
    char quote = start < tag.size() ? tag[start] : ' ';
    size_t end =
        (quote == '"' || quote == '\'') ? tag.find(quote, ++start) : tag.find_first_of(" \t\r\n", start);
    if (end == std::string_view::npos) end = tag.size();
    // The value as written, in its own case.
    values.push_back(page.substr(open + 1 + start, end - start));
  }
  return values;
}

SimDocument Fetch(WebServers& web, const std::string& url) {
  SimDocument document;
  document.url = url;
  auto split = Split(url);
  if (!split) return document;
  HostRoute route = web.Route(split->host);
  if (route.reach != HostReach::Listening) return document;
  httplib::Client client("127.0.0.1", route.port);
  client.set_connection_timeout(kLoopbackTimeoutSeconds);
  client.set_read_timeout(kLoopbackTimeoutSeconds);
  auto result = client.Get(split->path.c_str());
  if (!result || result->status < 200 || result->status > 299) return document;
  document.fetched = true;
  const std::string& page = result->body;
  document.hasBody = AsciiLower(page).find("<frameset") == std::string::npos;
  for (const std::string& src : AttributeValues(page, {"frame", "iframe"}, "src"))
    document.frames.push_back(ResolveUrl(url, src));
  for (const std::string& href : AttributeValues(page, {"a"}, "href"))
    document.links.push_back(ResolveUrl(url, href));
  return document;
}

}  // namespace

namespace {

// An address with a scheme of its own ("https:", "file:", "javascript:")
// stands as written.
bool HasScheme(std::string_view ref) {
  size_t colon = ref.find(':');
  if (colon == 0 || colon == std::string_view::npos || !std::isalpha(static_cast<unsigned char>(ref[0])))
    return false;
  return std::all_of(ref.begin(), ref.begin() + colon, [](char ch) {
    return std::isalnum(static_cast<unsigned char>(ch)) || ch == '+' || ch == '-' || ch == '.';
  });
}

}  // namespace

std::string ResolveUrl(std::string_view base, std::string_view ref) {
  if (Split(ref) || HasScheme(ref)) return std::string(ref);
  auto split = Split(base);
  if (!split) return std::string(ref);
  if (!ref.empty() && ref.front() == '/') return split->origin + std::string(ref);
  std::string folder = split->path.substr(0, split->path.rfind('/') + 1);
  return split->origin + folder + std::string(ref);
}

std::vector<SimDocument> LoadPage(WebServers& web, const std::string& url) {
  std::vector<SimDocument> documents{Fetch(web, url)};
  std::vector<std::string> frames = documents.front().frames;
  for (const std::string& frame : frames) documents.push_back(Fetch(web, frame));
  return documents;
}

}  // namespace sim
