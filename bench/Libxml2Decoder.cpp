#include "Libxml2Decoder.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xpath.h>

#include <cstring>
#include <vector>

namespace corvana::bench {

namespace {

void collectElements(xmlNode* node, const char* name, std::vector<xmlNode*>& found)
{
    for (; node; node = node->next) {
        if (node->type != XML_ELEMENT_NODE)
            continue;
        if (std::strcmp(reinterpret_cast<const char*>(node->name), name) == 0)
            found.push_back(node);
        collectElements(node->children, name, found);
    }
}

std::vector<std::string> splitFields(const std::string& fieldList)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t comma; (comma = fieldList.find(',', start)) != std::string::npos; start = comma + 1)
        fields.push_back(fieldList.substr(start, comma - start));
    if (start < fieldList.size())
        fields.push_back(fieldList.substr(start));
    return fields;
}

} // namespace

int decodeWithLibxml2(
    const std::string& reply, const std::string& rowTag, const std::string& fieldList, std::string& result)
{
    result.clear();
    const std::vector<std::string> fields = splitFields(fieldList);
    xmlDoc* document = xmlReadMemory(
        reply.data(), static_cast<int>(reply.size()), nullptr, "UTF-8", XML_PARSE_NONET | XML_PARSE_HUGE);
    if (!document || fields.empty()) {
        xmlFreeDoc(document);
        return 0;
    }
    std::vector<xmlNode*> rows;
    collectElements(xmlDocGetRootElement(document), rowTag.c_str(), rows);

    xmlXPathContext* context = xmlXPathNewContext(document);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (const std::string& field : fields) {
            xmlXPathObject* selected
                = xmlXPathNodeEval(rows[i], reinterpret_cast<const xmlChar*>(field.c_str()), context);
            if (selected && selected->nodesetval && selected->nodesetval->nodeNr > 0) {
                xmlChar* text = xmlNodeGetContent(selected->nodesetval->nodeTab[0]);
                if (text)
                    result += reinterpret_cast<const char*>(text);
                xmlFree(text);
            }
            xmlXPathFreeObject(selected);
            result += '\r';
        }
        if (i + 1 < rows.size())
            result += '\n';
    }
    xmlXPathFreeContext(context);
    xmlFreeDoc(document);
    return static_cast<int>(rows.size());
}

} // namespace corvana::bench
