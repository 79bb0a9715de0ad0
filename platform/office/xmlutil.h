// Small pugixml helpers shared by the document engines.
#pragma once

#include <initializer_list>
#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace orvane::office {

// Parses a part; VbError 5792 naming the part and the place of the fault.
void parse_part(pugi::xml_document& doc, const std::string& data, const std::string& part,
                const std::string& label, unsigned options);
std::string serialize(const pugi::xml_document& doc);

// The child `name` of `parent`, created where the schema `order` puts it when missing.
// Schemas such as WordprocessingML fix the order of property elements.
pugi::xml_node ordered_child(pugi::xml_node parent, const char* name,
                             std::initializer_list<const char*> order);
// Like ordered_child, but the child is created as the first one when missing.
pugi::xml_node first_child(pugi::xml_node parent, const char* name);
void set_attr(pugi::xml_node n, const char* name, const std::string& value);
bool is_named(pugi::xml_node n, std::string_view name);

}  // namespace orvane::office
