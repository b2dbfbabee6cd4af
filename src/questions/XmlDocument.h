#pragma once

#include "questions/Finding.h"

#include <libxml/tree.h>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// How an XML file begins, as far as libxml2 reads it before the first element: enough to tell an
// XML file from a text file without reading it whole.
struct XmlStart {
    bool hasDtd = false;  // it holds a <!DOCTYPE> before its first element
    std::string rootName; // the first element's name, empty when none begins the file
};

XmlStart readXmlStart(std::string_view bytes);

struct FreeXmlDocument {
    void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};
using XmlDocument = std::unique_ptr<xmlDoc, FreeXmlDocument>;

// Parses an XML document of outside origin, or says why not, with its line. A document with a
// <!DOCTYPE> is refused as soon as the parser meets it, so no entity it declares is ever
// expanded, and nothing is loaded from the network or from other files. libxml2 prints nothing.
std::variant<XmlDocument, Finding> parseXmlDocument(std::string_view bytes);

// Reading a parsed document: elements are found by name among an element's children, and each
// text comes out whole, CDATA sections and entities of the predefined five included.
const xmlNode* childElement(const xmlNode* parent, std::string_view name);
std::vector<const xmlNode*> childElements(const xmlNode* parent, std::string_view name);
std::string_view nameOf(const xmlNode* element);
// The text within the element, or nothing for no element.
std::string textOf(const xmlNode* element);
// The attribute's value, or nothing when the element has no such attribute.
std::string attributeOf(const xmlNode* element, const char* name);
// The line the element starts on.
int lineOf(const xmlNode* element);
