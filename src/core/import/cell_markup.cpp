#include "core/import/cell_markup.h"

#include <cctype>
#include <string_view>

#include "core/import/html_document.h"

namespace tabloom {

namespace {

// Deeper markup inside one cell is left out; the page gains nothing by it.
constexpr int kMaxDepth = 64;

bool IsSpace(unsigned char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\f';
}

// The lower-case name of a tag as typed, from offset ("<b>" at 1, "</b>"
// at 2); empty for a tag the parser made up.
std::string TagName(const GumboStringPiece& piece, std::size_t offset) {
    std::string name;
    for (std::size_t i = offset; i < piece.length; ++i) {
        const auto ch = static_cast<unsigned char>(piece.data[i]);
        if (IsSpace(ch) || ch == '>' || ch == '/') break;
        name.push_back(static_cast<char>(std::tolower(ch)));
    }
    return piece.length > offset ? name : std::string();
}

class Writer {
  public:
    explicit Writer(CellMarkup& result) : result_(result) {}

    void Children(const GumboNode* node, int depth) {
        const GumboVector* children = HtmlDocument::Children(node);
        if (children == nullptr) return;
        for (unsigned i = 0; i < children->length; ++i) {
            Node(static_cast<const GumboNode*>(children->data[i]), depth);
        }
    }

    void Finish() {
        std::string& out = result_.content;
        while (out.size() >= 2 && out.compare(out.size() - 2, 2, "\r\n") == 0)
            out.resize(out.size() - 2);
    }

  private:
    void Node(const GumboNode* node, int depth) {
        switch (node->type) {
            case GUMBO_NODE_TEXT:
            case GUMBO_NODE_WHITESPACE:
            case GUMBO_NODE_CDATA:
                Text(node->v.text.text);
                return;
            case GUMBO_NODE_ELEMENT:
                Element(node, depth);
                return;
            default:
                return;  // comments, templates
        }
    }

    void Element(const GumboNode* node, int depth) {
        const GumboElement& element = node->v.element;
        switch (element.tag) {
            case GUMBO_TAG_BR:
                result_.content += "\r\n";
                pendingBlank_ = false;
                lineStart_ = true;
                return;
            case GUMBO_TAG_TABLE:
                ++result_.nestedTables;
                return;
            case GUMBO_TAG_SCRIPT:
            case GUMBO_TAG_STYLE:
                return;
            default:
                break;
        }
        if (depth >= kMaxDepth) {
            result_.tooDeep = true;
            return;
        }
        // Everything after a plaintext tag is text; as a tag in a cell it
        // would swallow the rest of the page.
        if (element.tag == GUMBO_TAG_PLAINTEXT || element.original_tag.length == 0) {
            Children(node, depth + 1);
            return;
        }
        Raw(element.original_tag);
        Children(node, depth + 1);
        const std::string name = TagName(element.original_tag, 1);
        if (element.original_end_tag.length > 0 && TagName(element.original_end_tag, 2) == name) {
            Raw(element.original_end_tag);
        } else if (!IsVoid(element.tag) && !name.empty()) {
            // An element the page left open borrowed the end tag that closed
            // it (the cell's own, say, or the end of the page). The content
            // closes it itself, so that a title or textarea left open cannot
            // take the rest of the page once written back.
            Visible();
            result_.content += "</" + name + ">";
        }
    }

    static bool IsVoid(GumboTag tag) {
        switch (tag) {
            case GUMBO_TAG_AREA:
            case GUMBO_TAG_BASE:
            case GUMBO_TAG_BASEFONT:
            case GUMBO_TAG_BGSOUND:
            case GUMBO_TAG_BR:
            case GUMBO_TAG_COL:
            case GUMBO_TAG_EMBED:
            case GUMBO_TAG_FRAME:
            case GUMBO_TAG_HR:
            case GUMBO_TAG_IMAGE:
            case GUMBO_TAG_IMG:
            case GUMBO_TAG_INPUT:
            case GUMBO_TAG_KEYGEN:
            case GUMBO_TAG_LINK:
            case GUMBO_TAG_META:
            case GUMBO_TAG_PARAM:
            case GUMBO_TAG_SOURCE:
            case GUMBO_TAG_TRACK:
            case GUMBO_TAG_WBR:
                return true;
            default:
                return false;
        }
    }

    // A tag as the page typed it, on one line.
    void Raw(const GumboStringPiece& piece) {
        Visible();
        for (std::size_t i = 0; i < piece.length; ++i) {
            const auto ch = static_cast<unsigned char>(piece.data[i]);
            result_.content.push_back(IsSpace(ch) ? ' ' : static_cast<char>(ch));
        }
    }

    void Visible() {
        if (pendingBlank_ && !lineStart_) result_.content.push_back(' ');
        pendingBlank_ = false;
        lineStart_ = false;
    }

    void Text(std::string_view text) {
        std::string& out = result_.content;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto ch = static_cast<unsigned char>(text[i]);
            const char next = i + 1 < text.size() ? text[i + 1] : '\0';
            if (IsSpace(ch)) {
                pendingBlank_ = true;
                continue;
            }
            if (ch < 0x20 || ch == 0x7F) continue;
            Visible();
            // What was left out before this text (a nested table) may join
            // a < or & that ended the text before to what follows here.
            if (!out.empty() && StartsMarkup(out.back(), static_cast<char>(ch))) {
                const char lead = out.back();
                out.pop_back();
                out += lead == '<' ? "&lt;" : "&amp;";
            }
            // The content is markup: a decoded < or & that would start a
            // tag or a reference goes back to its reference.
            if (ch == '<' && StartsMarkup('<', next)) {
                out += "&lt;";
            } else if (ch == '&' && StartsMarkup('&', next)) {
                out += "&amp;";
            } else if (ch == 0xC3 && static_cast<unsigned char>(next) == 0xBD) {
                // y acute stands in for a quote in table files; its reference survives.
                out += "&#253;";
                ++i;
            } else {
                out.push_back(static_cast<char>(ch));
            }
        }
    }

    // True when lead ('<' or '&') followed by next starts a tag or a reference.
    static bool StartsMarkup(char lead, char next) {
        const auto n = static_cast<unsigned char>(next);
        if (lead == '<') return std::isalpha(n) || next == '/' || next == '!' || next == '?';
        if (lead == '&') return std::isalnum(n) || next == '#';
        return false;
    }

    CellMarkup& result_;
    bool pendingBlank_ = false;
    bool lineStart_ = true;
};

}  // namespace

CellMarkup CellMarkup::Read(const GumboNode* node) {
    CellMarkup result;
    Writer writer(result);
    writer.Children(node, 0);
    writer.Finish();
    // A lone no-break space is how a page writes an empty cell.
    if (result.content == "\xC2\xA0") result.content.clear();
    return result;
}

const GumboNode* CellMarkup::SoleFont(const GumboNode* cell) {
    const GumboNode* font = nullptr;
    const GumboVector* children = HtmlDocument::Children(cell);
    for (unsigned i = 0; i < children->length; ++i) {
        const auto* child = static_cast<const GumboNode*>(children->data[i]);
        if (child->type == GUMBO_NODE_WHITESPACE || child->type == GUMBO_NODE_COMMENT) continue;
        if (font != nullptr || !HtmlDocument::IsElement(child, GUMBO_TAG_FONT)) return nullptr;
        font = child;
    }
    return font;
}

}  // namespace tabloom
