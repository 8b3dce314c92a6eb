#pragma once

#include <gumbo.h>

#include <string>
#include <string_view>
#include <vector>

namespace tabloom {

// An HTML page parsed by libgumbo. The bytes are read as UTF-8 when they
// are valid UTF-8 and as Windows-1252 (what Tabloom writes) otherwise.
class HtmlDocument {
  public:
    // Pages above this size are not parsed.
    static constexpr std::size_t kMaxBytes = 16u << 20;
    // Nor pages whose elements nest deeper than this (NestingEstimate).
    static constexpr int kMaxNesting = 2000;

    explicit HtmlDocument(std::string_view bytes);
    ~HtmlDocument();
    HtmlDocument(const HtmlDocument&) = delete;
    HtmlDocument& operator=(const HtmlDocument&) = delete;

    bool Parsed() const { return output_ != nullptr; }
    // Why the page was not parsed.
    const std::string& Refusal() const { return refusal_; }
    bool HasDoctype() const;
    // The tables that do not lie inside another table, in document order.
    const std::vector<const GumboNode*>& Tables() const { return tables_; }

    // The children of an element or the document.
    static const GumboVector* Children(const GumboNode* node);
    static bool IsElement(const GumboNode* node, GumboTag tag);
    // The attribute's value, or nullptr.
    static const char* Attribute(const GumboNode* node, const char* name);
    // The text of node and its descendants, white space runs as one blank,
    // trimmed; stops after limit bytes.
    static std::string PlainText(const GumboNode* node, std::size_t limit);

    // How deep the page's elements nest at most, counted over the tags
    // without building the tree; elements that close themselves (void
    // ones, cells, rows, list items, paragraphs) do not count.
    static int NestingEstimate(std::string_view text);

  private:
    std::string refusal_;
    std::string text_;
    GumboOutput* output_ = nullptr;
    std::vector<const GumboNode*> tables_;
};

}  // namespace tabloom
