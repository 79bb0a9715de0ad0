#include "platform/office/xmlutil.h"

#include <cstring>
#include <sstream>

#include "platform/office/errors.h"

namespace orvane::office {

void parse_part(pugi::xml_document& doc, const std::string& data, const std::string& part,
                const std::string& label, unsigned options) {
  pugi::xml_parse_result r = doc.load_buffer(data.data(), data.size(), options);
  if (!r)
    fail(oerr::kCorruptDocument, "O documento " + label + " está corrompido: a parte " + part +
                                     " tem XML inválido (" + r.description() + ", posição " +
                                     std::to_string(r.offset) + ").");
  if (!doc.document_element())
    fail(oerr::kCorruptDocument,
         "O documento " + label + " está corrompido: a parte " + part + " está vazia.");
}

std::string serialize(const pugi::xml_document& doc) {
  std::ostringstream ss;
  doc.save(ss, "", pugi::format_raw, pugi::encoding_utf8);
  return ss.str();
}

pugi::xml_node ordered_child(pugi::xml_node parent, const char* name,
                             std::initializer_list<const char*> order) {
  if (auto c = parent.child(name)) return c;
  int rank = -1, i = 0;
  for (const char* o : order) {
    if (std::strcmp(o, name) == 0) rank = i;
    ++i;
  }
  // Before the first existing child that the order puts after `name`.
  for (auto c = parent.first_child(); c; c = c.next_sibling()) {
    int r = 0;
    bool known = false;
    for (const char* o : order) {
      if (std::strcmp(o, c.name()) == 0) {
        known = true;
        break;
      }
      ++r;
    }
    if (known && rank >= 0 && r > rank) return parent.insert_child_before(name, c);
  }
  return parent.append_child(name);
}

pugi::xml_node first_child(pugi::xml_node parent, const char* name) {
  if (auto c = parent.child(name)) return c;
  return parent.prepend_child(name);
}

void set_attr(pugi::xml_node n, const char* name, const std::string& value) {
  auto a = n.attribute(name);
  if (!a) a = n.append_attribute(name);
  a.set_value(value.c_str());
}

bool is_named(pugi::xml_node n, std::string_view name) {
  return n.type() == pugi::node_element && name == n.name();
}

}  // namespace orvane::office
