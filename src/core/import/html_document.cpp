#include "core/import/html_document.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

#include "core/encoding/windows1252.h"

namespace tabloom {

namespace {

bool IsUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        int more = 0;
        if (b < 0x80) {
            more = 0;
        } else if (b >= 0xC2 && b <= 0xDF) {
            more = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            more = 2;
        } else if (b >= 0xF0 && b <= 0xF4) {
            more = 3;
        } else {
            return false;
        }
        for (int k = 1; k <= more; ++k) {
            if (i + k >= bytes.size()) return false;
            const auto c = static_cast<unsigned char>(bytes[i + k]);
            if ((c & 0xC0) != 0x80) return false;
        }
        i += static_cast<std::size_t>(more) + 1;
    }
    return true;
}

bool InList(std::string_view name, std::initializer_list<std::string_view> names) {
    for (std::string_view n : names) {
        if (n == name) return true;
    }
    return false;
}

// Elements that never stay open: void ones, and those the next row, cell,
// item or paragraph closes by itself.
bool ClosesItself(std::string_view name) {
    return InList(name, {"area",  "base",  "br",    "col",    "embed",    "hr",       "img",
                         "input", "link",  "meta",  "param",  "source",   "track",    "wbr",
                         "p",     "li",    "dt",    "dd",     "td",       "th",       "tr",
                         "thead", "tbody", "tfoot", "option", "optgroup", "colgroup", "caption",
                         "rb",    "rt",    "rp",    "html",   "head",     "body"});
}

}  // namespace

int HtmlDocument::NestingEstimate(std::string_view text) {
    int depth = 0;
    int deepest = 0;
    std::size_t at = 0;
    // The next '>' at or after the current tag's name; found once for many
    // tags, so that a page without any stays linear.
    std::size_t nextGt = 0;
    std::vector<int> tables;  // the depth of each open table
    while ((at = text.find('<', at)) != std::string_view::npos) {
        if (text.substr(at, 4) == "<!--") {
            const std::size_t end = text.find("-->", at + 4);
            if (end == std::string_view::npos) break;
            at = end + 3;
            continue;
        }
        const bool closing = at + 1 < text.size() && text[at + 1] == '/';
        std::size_t p = at + (closing ? 2 : 1);
        std::string name;
        while (p < text.size() && std::isalnum(static_cast<unsigned char>(text[p])) &&
               name.size() < 16) {
            name.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(text[p]))));
            ++p;
        }
        at = p;
        if (name.empty()) continue;
        if (nextGt != std::string_view::npos && nextGt < p) nextGt = text.find('>', p);
        const bool selfClosing = nextGt != std::string_view::npos && text[nextGt - 1] == '/';
        // A new cell or row closes whatever its table's last cell left open.
        if (!tables.empty() && (name == "td" || name == "th" || name == "tr")) {
            depth = tables.back();
            continue;
        }
        if (ClosesItself(name) || selfClosing) continue;
        if (closing) {
            if (name == "table" && !tables.empty()) {
                depth = tables.back();
                tables.pop_back();
            }
            depth = depth > 0 ? depth - 1 : 0;
        } else {
            deepest = std::max(deepest, ++depth);
            if (name == "table") tables.push_back(depth);
        }
        if ((name == "script" || name == "style") && !closing) {
            // Their text holds no elements.
            const std::size_t close = text.find("</", p);
            if (close == std::string_view::npos) break;
            at = close;
        }
    }
    return deepest;
}

HtmlDocument::HtmlDocument(std::string_view bytes) {
    if (bytes.size() > kMaxBytes) {
        refusal_ = "the page is larger than 16 MiB";
        return;
    }
    // The parser's work per element grows with the depth; a page nested
    // this deep is an attack, not a table.
    if (NestingEstimate(bytes) > kMaxNesting) {
        refusal_ = "the page nests elements more than " + std::to_string(kMaxNesting) + " deep";
        return;
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    text_ = IsUtf8(bytes) ? std::string(bytes) : DecodeWindows1252(bytes);
    GumboOptions options = kGumboDefaultOptions;
    options.max_errors = 0;  // the page's own faults are of no interest here
    output_ = gumbo_parse_with_options(&options, text_.data(), text_.size());
    // Walk without recursion: a hostile page may nest elements very deep.
    std::vector<const GumboNode*> stack{output_->document};
    while (!stack.empty()) {
        const GumboNode* node = stack.back();
        stack.pop_back();
        if (IsElement(node, GUMBO_TAG_TABLE)) {
            tables_.push_back(node);
            continue;
        }
        const GumboVector* children = Children(node);
        if (children == nullptr) continue;
        for (unsigned i = children->length; i > 0; --i) {
            stack.push_back(static_cast<const GumboNode*>(children->data[i - 1]));
        }
    }
}

HtmlDocument::~HtmlDocument() {
    if (output_ != nullptr) gumbo_destroy_output(&kGumboDefaultOptions, output_);
}

bool HtmlDocument::HasDoctype() const {
    return output_ != nullptr && output_->document->v.document.has_doctype;
}

const GumboVector* HtmlDocument::Children(const GumboNode* node) {
    if (node->type == GUMBO_NODE_ELEMENT || node->type == GUMBO_NODE_TEMPLATE) {
        return &node->v.element.children;
    }
    if (node->type == GUMBO_NODE_DOCUMENT) return &node->v.document.children;
    return nullptr;
}

bool HtmlDocument::IsElement(const GumboNode* node, GumboTag tag) {
    return node->type == GUMBO_NODE_ELEMENT && node->v.element.tag == tag;
}

const char* HtmlDocument::Attribute(const GumboNode* node, const char* name) {
    if (node->type != GUMBO_NODE_ELEMENT) return nullptr;
    const GumboAttribute* attr = gumbo_get_attribute(&node->v.element.attributes, name);
    return attr != nullptr ? attr->value : nullptr;
}

std::string HtmlDocument::PlainText(const GumboNode* node, std::size_t limit) {
    std::string out;
    bool blank = false;
    std::vector<const GumboNode*> stack{node};
    while (!stack.empty() && out.size() < limit) {
        const GumboNode* n = stack.back();
        stack.pop_back();
        if (n->type == GUMBO_NODE_TEXT || n->type == GUMBO_NODE_WHITESPACE ||
            n->type == GUMBO_NODE_CDATA) {
            for (const char* p = n->v.text.text; *p != '\0'; ++p) {
                const auto ch = static_cast<unsigned char>(*p);
                if (ch <= ' ') {
                    blank = true;
                } else {
                    if (blank && !out.empty()) out.push_back(' ');
                    blank = false;
                    out.push_back(static_cast<char>(ch));
                }
            }
            continue;
        }
        if (IsElement(n, GUMBO_TAG_BR) || IsElement(n, GUMBO_TAG_TD) ||
            IsElement(n, GUMBO_TAG_TH)) {
            blank = true;
        }
        const GumboVector* children = Children(n);
        if (children == nullptr) continue;
        for (unsigned i = children->length; i > 0; --i) {
            stack.push_back(static_cast<const GumboNode*>(children->data[i - 1]));
        }
    }
    return out;
}

}  // namespace tabloom
