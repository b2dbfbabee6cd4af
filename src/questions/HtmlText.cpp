#include "questions/HtmlText.h"

#include <algorithm>
#include <libxml/HTMLparser.h>
#include <libxml/parserInternals.h>
#include <utility>

namespace {
// Elements that stand apart from the text around them, like a line of their own.
constexpr std::string_view blockElements[] = {
    "address", "article",    "aside",  "blockquote", "br",   "caption", "dd", "div", "dl",
    "dt",      "figcaption", "figure", "footer",     "h1",   "h2",      "h3", "h4",  "h5",
    "h6",      "header",     "hr",     "li",         "main", "nav",     "ol", "p",   "pre",
    "section", "table",      "td",     "th",         "tr",   "ul"};
// Far longer and deeper than any editor makes a text of two lines. libxml2 compares each
// attribute of a tag with all before it, and looks through every open element at each end tag:
// without these bounds a file of 1 MiB would take minutes.
constexpr std::size_t longestHtml = 8 * 1024;
constexpr int deepestNesting = 100;
constexpr std::string_view nonBreakingSpace = "\xC2\xA0";

std::string_view nameOf(const xmlChar* name) {
    return reinterpret_cast<const char*>(name);
}

bool isBlock(const xmlChar* name) {
    return std::ranges::find(blockElements, nameOf(name)) != std::end(blockElements);
}

bool isWhiteSpace(char character) {
    return character == ' ' || character == '\t' || character == '\n' || character == '\r' ||
           character == '\f';
}

// Gathers the text as the parser reports it.
class TextGatherer {
  public:
    explicit TextGatherer(htmlParserCtxtPtr parser) : parser(parser) {}

    void characters(std::string_view characters);
    void startElement(const xmlChar* name);
    void endElement(const xmlChar* name);
    HtmlText result;

  private:
    void blank() {
        if (!result.text.empty() && result.text.back() != ' ')
            result.text += ' ';
    }

    htmlParserCtxtPtr parser;
    int depth = 0;
    // A block ended or began after the last text: the next text stands apart from it.
    bool apart = false;
};

void TextGatherer::characters(std::string_view characters) {
    for (std::size_t at = 0; at < characters.size(); ++at) {
        if (isWhiteSpace(characters[at])) {
            blank();
            continue;
        }
        if (characters.substr(at).starts_with(nonBreakingSpace)) {
            // Unlike white space, it stands even at the start of the text.
            if (result.text.empty() || result.text.back() != ' ')
                result.text += ' ';
            ++at;
            continue;
        }
        if (std::exchange(apart, false))
            blank();
        result.text += characters[at];
    }
}

void TextGatherer::startElement(const xmlChar* name) {
    if (nameOf(name) == "img")
        result.unplayable = Unplayable{"has a picture Velmora cannot show"};
    if (isBlock(name))
        apart = true;
    if (++depth > deepestNesting) {
        result.unplayable = Unplayable{"its HTML is nested too deeply"};
        xmlStopParser(parser);
    }
}

void TextGatherer::endElement(const xmlChar* name) {
    if (isBlock(name))
        apart = true;
    --depth;
}

TextGatherer& gatherer(void* context) {
    return *static_cast<TextGatherer*>(context);
}

htmlSAXHandler textHandler() {
    htmlSAXHandler handler{};
    handler.characters = [](void* context, const xmlChar* text, int length) {
        gatherer(context).characters({reinterpret_cast<const char*>(text), std::size_t(length)});
    };
    // The blanks the parser thinks it may drop still part two words.
    handler.ignorableWhitespace = handler.characters;
    // Scripts and styles; without this handler the parser would hand them over as text.
    handler.cdataBlock = [](void*, const xmlChar*, int) {};
    handler.startElement = [](void* context, const xmlChar* name, const xmlChar**) {
        gatherer(context).startElement(name);
    };
    handler.endElement = [](void* context, const xmlChar* name) {
        gatherer(context).endElement(name);
    };
    return handler;
}

// The parser with the text handler in place of its own, which would build a document.
class TextParser {
  public:
    explicit TextParser(std::string_view html)
        : parser(htmlCreateMemoryParserCtxt(html.data(), int(html.size()))),
          ownHandler(parser ? parser->sax : nullptr) {}
    ~TextParser() {
        if (!parser)
            return;
        parser->sax = ownHandler;
        parser->userData = nullptr;
        htmlFreeParserCtxt(parser);
    }
    TextParser(const TextParser&) = delete;
    TextParser& operator=(const TextParser&) = delete;

    // False when libxml2 cannot make the parser, short of memory.
    bool read(TextGatherer& gatherer) {
        if (!parser)
            return false;
        htmlCtxtUseOptions(parser, HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING |
                                       HTML_PARSE_NOIMPLIED | HTML_PARSE_IGNORE_ENC);
        xmlSwitchEncoding(parser, XML_CHAR_ENCODING_UTF8);
        parser->sax = &handler;
        parser->userData = &gatherer;
        htmlParseDocument(parser);
        return true;
    }
    htmlParserCtxtPtr context() const { return parser; }

  private:
    htmlParserCtxtPtr parser;
    htmlSAXHandler* ownHandler;
    htmlSAXHandler handler = textHandler();
};
} // namespace

HtmlText htmlText(std::string_view html) {
    if (html.size() > longestHtml)
        return {{}, Unplayable{"its HTML is longer than 8 KiB"}};
    // libxml2 makes no parser for nothing at all.
    if (html.empty())
        return {};
    TextParser parser(html);
    TextGatherer gatherer(parser.context());
    if (!parser.read(gatherer))
        return {{}, Unplayable{"libxml2 could not read its HTML"}};
    // The parser skips the white space before the first tag or text.
    if (!html.empty() && isWhiteSpace(html.front()) && !gatherer.result.text.starts_with(' '))
        gatherer.result.text.insert(0, 1, ' ');
    return std::move(gatherer.result);
}
