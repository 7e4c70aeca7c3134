// The simulated web-browser control: pages fetched over the machine's
// network, their frames, links and body attributes, and the
// document-complete events the program has handled.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

class WebServers;

struct SimDocument {
  std::string url;
  bool fetched = false;             // false: the page could not be loaded (the browser shows its error page)
  bool hasBody = true;              // a frameset page has none
  std::string scroll;               // the body's scroll attribute; empty while unset
  std::vector<std::string> frames;  // addresses of its frames and inline frames
  std::vector<std::string> links;   // addresses of its links
};

struct SimCompletion {
  std::string url;
  // The top page's scroll attribute once the program had handled the event.
  std::optional<std::string> topScrollAfter;
};

struct SimBrowser {
  bool visible = true;
  // The top document first, then its frames; replaced by each navigation.
  std::vector<SimDocument> documents;
  int generation = 0;  // counts the top-level navigations
  std::vector<SimCompletion> completions;
  // Set by the program: the hosts its top page may be on (none: any).
  std::optional<std::vector<std::string>> confinedTo;
  std::vector<std::string> refused;  // every refused navigation and new window, in order
  size_t refusedTaken = 0;           // how many of them the program has taken
};

// The address ref names on the page at base ("http://host[:port]/path").
std::string ResolveUrl(std::string_view base, std::string_view ref);

// Fetches a page and the frames it names (one level) without the machine
// lock; the top document comes first.
std::vector<SimDocument> LoadPage(WebServers& web, const std::string& url);

}  // namespace sim
