#include "questions/XmlDocument.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <libxml/SAX2.h>
#include <libxml/globals.h>
#include <libxml/parser.h>
#include <optional>

namespace {
// Nothing from outside the bytes, and libxml2's own limits on text, names and depth stay on.
// No entity is substituted, no DTD is read and no attribute defaulted from one.
constexpr int parseOptions = XML_PARSE_NONET;
// libxml2 keeps an element's line in 16 bits; base64 pictures make Moodle exports far longer.
constexpr unsigned short lineKeptShort = USHRT_MAX;

// What the parser met, gathered by the callbacks of one parse.
struct ParseEvents {
    std::optional<Finding> firstError;
    std::optional<int> dtdLine;
    XmlStart start;
    bool stopAtRoot = false;
};

// libxml2 2.12 hands error handlers a const error; earlier versions a mutable one. The handlers
// take whichever the installed headers declare.
template <class Handler> struct HandledError;
template <class Error> struct HandledError<void (*)(void*, Error*)> {
    using type = Error;
};
using XmlError = HandledError<xmlStructuredErrorFunc>::type;

xmlParserCtxt* contextOf(void* userData) {
    return static_cast<xmlParserCtxt*>(userData);
}

ParseEvents& eventsOf(xmlParserCtxt* context) {
    return *static_cast<ParseEvents*>(context->_private);
}

// The parser's message on one line, as a report line has it: some run on to a second line that
// shows the bytes at fault.
std::string oneLineReason(const char* message) {
    std::string reason = message ? message : "the parser stopped";
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == ' '))
        reason.pop_back();
    std::ranges::replace(reason, '\n', ' ');
    return reason;
}

// Keeps the first error, which names the fault; the ones after it follow from it.
void keepFirstError(void* userData, XmlError* error) {
    ParseEvents& events = eventsOf(contextOf(userData));
    if (error->level >= XML_ERR_ERROR && !events.firstError)
        events.firstError = Finding{error->line, oneLineReason(error->message)};
}

void stopAtDtd(void* userData, const xmlChar*, const xmlChar*, const xmlChar*) {
    xmlParserCtxt* context = contextOf(userData);
    ParseEvents& events = eventsOf(context);
    events.dtdLine = xmlSAX2GetLineNumber(context);
    xmlStopParser(context);
}

void startElement(void* userData, const xmlChar* localName, const xmlChar* prefix,
                  const xmlChar* uri, int namespaceCount, const xmlChar** namespaces,
                  int attributeCount, int defaulted, const xmlChar** attributes) {
    xmlParserCtxt* context = contextOf(userData);
    ParseEvents& events = eventsOf(context);
    if (events.stopAtRoot) {
        events.start.rootName = reinterpret_cast<const char*>(localName);
        xmlStopParser(context);
        return;
    }
    xmlSAX2StartElementNs(userData, localName, prefix, uri, namespaceCount, namespaces,
                          attributeCount, defaulted, attributes);
    // Past 16 bits libxml2 guesses the line from the text nearby; the exact one goes where only
    // validation, which Velmora never asks for, keeps its data.
    if (xmlNode* element = context->node; element && element->line == lineKeptShort)
        element->psvi = reinterpret_cast<void*>(std::intptr_t(xmlSAX2GetLineNumber(context)));
}

// libxml2's encoding layer reports a byte it cannot convert without naming the parser it works
// for, so no parser's handler hears of it, and libxml2 would print it. While one document is
// read such reports are dropped on this thread; the parser then reports the fault itself.
class QuietEncodingLayer {
  public:
    QuietEncodingLayer() : handler(xmlStructuredError), handlerData(xmlStructuredErrorContext) {
        xmlSetStructuredErrorFunc(nullptr, [](void*, XmlError*) {});
    }
    ~QuietEncodingLayer() { xmlSetStructuredErrorFunc(handlerData, handler); }
    QuietEncodingLayer(const QuietEncodingLayer&) = delete;
    QuietEncodingLayer& operator=(const QuietEncodingLayer&) = delete;

  private:
    const xmlStructuredErrorFunc handler;
    void* const handlerData;
};

class ParserContext {
  public:
    explicit ParserContext(ParseEvents& events) : context(xmlNewParserCtxt()) {
        if (!context)
            return;
        context->_private = &events;
        context->sax->serror = keepFirstError;
        context->sax->internalSubset = stopAtDtd;
        context->sax->startElementNs = startElement;
    }
    ~ParserContext() { xmlFreeParserCtxt(context); }
    ParserContext(const ParserContext&) = delete;
    ParserContext& operator=(const ParserContext&) = delete;

    XmlDocument read(std::string_view bytes) {
        if (!context || bytes.size() > std::size_t(INT_MAX))
            return nullptr;
        const QuietEncodingLayer quiet;
        return XmlDocument(xmlCtxtReadMemory(context, bytes.data(), int(bytes.size()), nullptr,
                                             nullptr, parseOptions));
    }

  private:
    xmlParserCtxt* const context;
};
} // namespace

XmlStart readXmlStart(std::string_view bytes) {
    ParseEvents events;
    events.stopAtRoot = true;
    ParserContext parser(events);
    parser.read(bytes);
    events.start.hasDtd = events.dtdLine.has_value();
    return events.start;
}

std::variant<XmlDocument, Finding> parseXmlDocument(std::string_view bytes) {
    ParseEvents events;
    ParserContext parser(events);
    XmlDocument document = parser.read(bytes);
    if (events.dtdLine)
        return Finding{*events.dtdLine,
                       "a <!DOCTYPE> declaration: Velmora reads XML without DTDs or entities"};
    if (events.firstError)
        return Finding{events.firstError->line,
                       "the XML is not well-formed: " + events.firstError->message};
    if (!document || !xmlDocGetRootElement(document.get()))
        return Finding{0, "the XML is not well-formed: it holds no element"};
    return document;
}

namespace {
// libxml2 hands its own copies over to whoever asked.
std::string taken(xmlChar* text) {
    if (!text)
        return {};
    std::string copied(reinterpret_cast<const char*>(text));
    xmlFree(text);
    return copied;
}
} // namespace

std::string_view nameOf(const xmlNode* element) {
    return reinterpret_cast<const char*>(element->name);
}

const xmlNode* childElement(const xmlNode* parent, std::string_view name) {
    for (const xmlNode* child = parent ? parent->children : nullptr; child; child = child->next)
        if (child->type == XML_ELEMENT_NODE && nameOf(child) == name)
            return child;
    return nullptr;
}

std::vector<const xmlNode*> childElements(const xmlNode* parent, std::string_view name) {
    std::vector<const xmlNode*> found;
    for (const xmlNode* child = parent->children; child; child = child->next)
        if (child->type == XML_ELEMENT_NODE && nameOf(child) == name)
            found.push_back(child);
    return found;
}

std::string textOf(const xmlNode* element) {
    return element ? taken(xmlNodeGetContent(element)) : std::string();
}

std::string attributeOf(const xmlNode* element, const char* name) {
    return taken(xmlGetProp(element, reinterpret_cast<const xmlChar*>(name)));
}

int lineOf(const xmlNode* element) {
    return element->line == lineKeptShort ? int(reinterpret_cast<std::intptr_t>(element->psvi))
                                          : element->line;
}
