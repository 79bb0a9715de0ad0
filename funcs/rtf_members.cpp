#include "funcs/rtf_members.h"

#include <optional>

#include "core/convert.h"
#include "funcs/funcoes_orvane.h"
#include "rtf2html/tokenizer.h"

namespace orvane::funcs {

namespace {

using component::Args;
using component::opt;
using component::ref;
using component::val;
constexpr VarType kStr = VarType::String;
constexpr VarType kBool = VarType::Boolean;
constexpr VarType kLong = VarType::Long;
constexpr VarType kVar = VarType::Variant;
constexpr VarType kNone = VarType::Empty;

rtf::Converter& conv(Object& self) { return self_of(self).rtf(); }
rtf::CodeLists& lists(Object& self) { return conv(self).lists(); }

// A Variant argument compared with list entries: its text, or none for Null and for
// values that have no text form.
std::optional<Text> text_of(const Variant& v) {
  if (v.is_text()) return v.text();
  if (v.is_null()) return std::nullopt;
  std::optional<Text> t;
  resume_next([&] { t = CStr(v); });
  return t;
}

Variant text_array(const std::vector<Text>& items) {
  std::vector<Variant> v(items.begin(), items.end());
  return Variant(Array::of(std::move(v), 0));
}

// A list search over a Variant argument.
template <class F>
component::Invoker search(F f) {
  return [f](Object& self, Args& a) -> Variant {
    auto t = text_of(a[0]);
    return Variant(t ? f(lists(self), *t) : false);
  };
}

void add_list_members(component::MemberTable& t) {
  t.method(
      u"ClearCodes", {}, kNone,
      [](Object& self, Args&) {
        lists(self).ClearCodes();
        return Variant();
      },
      "Empties the active code lists and the pending lists");
  t.method(
      u"ClearNext", {opt(u"strExcept", kStr, Text())}, kNone,
      [](Object& self, Args& a) {
        lists(self).ClearNext(a[0].text());
        return Variant();
      },
      "Empties the pending lists, or drops their front up to strExcept when it is pending");
  t.method(
      u"ClearFont", {}, kNone,
      [](Object& self, Args&) {
        conv(self).ClearFont();
        return Variant();
      },
      "Empties the font state");
  t.method(
      u"Codes2NextTill", {ref(u"strCode", kStr)}, kNone,
      [](Object& self, Args& a) {
        lists(self).Codes2NextTill(a[0].text());
        return Variant();
      },
      "Queues again the live active codes before strCode");
  t.method(
      u"Codes2Next", {}, kNone,
      [](Object& self, Args&) {
        lists(self).Codes2Next();
        return Variant();
      },
      "Moves every active code back to the pending lists");
  t.method(
      u"Next2Codes", {}, kNone,
      [](Object& self, Args&) {
        lists(self).Next2Codes();
        return Variant();
      },
      "Moves the pending codes to the active codes");
  t.method(u"InNext", {ref(u"strTmp", kVar)}, kBool,
           search([](const rtf::CodeLists& l, const Text& s) { return l.InNext(s); }),
           "Whether strTmp is a pending code");
  t.method(u"InNextBeg", {ref(u"strTmp", kVar)}, kBool,
           search([](const rtf::CodeLists& l, const Text& s) { return l.InNextBeg(s); }),
           "Whether strTmp is a pending opening code");
  t.method(
      u"InCodes", {ref(u"strTmp", kVar), opt(u"gActiveOnly", kBool, Variant(false))}, kBool,
      [](Object& self, Args& a) {
        auto s = text_of(a[0]);
        return Variant(s ? lists(self).InCodes(*s, a[1].boolean()) : false);
      },
      "Whether strTmp is an active code (only \"A\" and \"G\" entries with gActiveOnly)");
  t.method(u"InCodesBeg", {ref(u"strTmp", kVar)}, kBool,
           search([](const rtf::CodeLists& l, const Text& s) { return l.InCodesBeg(s); }),
           "Whether strTmp is an active opening code");
  t.method(
      u"PushNext", {ref(u"strCode", kStr)}, kNone,
      [](Object& self, Args& a) {
        lists(self).PushNext(a[0].text());
        return Variant();
      },
      "Appends a pending code");
  t.method(
      u"PushNextBeg", {ref(u"strCode", kStr)}, kNone,
      [](Object& self, Args& a) {
        lists(self).PushNextBeg(a[0].text());
        return Variant();
      },
      "Appends a pending opening code");
  t.method(
      u"UnShiftNext", {ref(u"strCode", kStr)}, kNone,
      [](Object& self, Args& a) {
        lists(self).UnShiftNext(a[0].text());
        return Variant();
      },
      "Inserts a pending code at the front");
  t.method(
      u"UnShiftNextBeg", {ref(u"strCode", kStr)}, kNone,
      [](Object& self, Args& a) {
        lists(self).UnShiftNextBeg(a[0].text());
        return Variant();
      },
      "Inserts a pending opening code at the front");
  t.method(
      u"ShiftNext", {}, kStr, [](Object& self, Args&) { return Variant(lists(self).ShiftNext()); },
      "Removes and returns the first pending code");
  t.method(
      u"ShiftNextBeg", {}, kStr,
      [](Object& self, Args&) { return Variant(lists(self).ShiftNextBeg()); },
      "Removes and returns the first pending opening code");
  t.method(
      u"RemoveFromNext", {ref(u"strRem", kStr)}, kNone,
      [](Object& self, Args& a) {
        lists(self).RemoveFromNext(a[0].text());
        return Variant();
      },
      "Removes a pending code and its opening code");
  t.method(
      u"PopCode", {}, kStr, [](Object& self, Args&) { return Variant(lists(self).PopCode()); },
      "Removes and returns the last active code");
  t.method(
      u"KillCode", {ref(u"strCode", kStr), opt(u"strExcept", kStr, Text())}, kLong,
      [](Object& self, Args& a) { return Variant(lists(self).KillCode(a[0].text(), a[1].text())); },
      "Marks \"K\" the active entries of strCode (\"*\" = all) not in status strExcept; "
      "returns how many");
  t.method(
      u"ReviveCode", {ref(u"strCode", kStr)}, kNone,
      [](Object& self, Args& a) {
        lists(self).ReviveCode(a[0].text());
        return Variant();
      },
      "Sets status \"A\" on the active entry of strCode");
  t.method(
      u"ReplaceInNextBeg", {ref(u"strCode", kStr), ref(u"strWith", kStr)}, kLong,
      [](Object& self, Args& a) {
        return Variant(lists(self).ReplaceInNextBeg(a[0].text(), a[1].text()));
      },
      "Replaces the pending opening code of strCode; its position, 0 when not pending");
  t.method(
      u"ReplaceInCodesBeg", {ref(u"strCode", kStr), ref(u"strWith", kStr)}, kNone,
      [](Object& self, Args& a) {
        lists(self).ReplaceInCodesBeg(a[0].text(), a[1].text());
        return Variant();
      },
      "Replaces the active opening code of strCode and sets it pending");
  t.method(
      u"SetPendingCodesActive", {}, kNone,
      [](Object& self, Args&) {
        lists(self).SetPendingCodesActive();
        return Variant();
      },
      "Status \"P\" becomes \"A\" and \"PG\" becomes \"G\"");
  t.method(
      u"GetAllCodesBeg", {}, kStr,
      [](Object& self, Args&) { return Variant(lists(self).GetAllCodesBeg()); },
      "The opening codes not yet written, last entry first; they become active");
  t.method(
      u"GetAllCodesBegTill", {ref(u"strTill", kStr)}, kStr,
      [](Object& self, Args& a) { return Variant(lists(self).GetAllCodesBegTill(a[0].text())); },
      "GetAllCodesBeg stopping at strTill");
  t.method(
      u"GetAllCodesTill", {ref(u"strTill", kStr)}, kStr,
      [](Object& self, Args& a) { return Variant(lists(self).GetAllCodesTill(a[0].text())); },
      "The closing codes from the last entry back to strTill; they are marked \"K\"");
  t.method(
      u"GetActiveCodes", {}, kStr,
      [](Object& self, Args&) { return Variant(lists(self).GetActiveCodes()); },
      "Every active closing code, first to last");
  t.method(
      u"GetLastFont", {}, kStr,
      [](Object& self, Args&) { return Variant(lists(self).GetLastFont()); },
      "The opening code of the last \"</font>\" entry");
  t.method(
      u"RemoveBlanks", {}, kNone,
      [](Object& self, Args&) {
        lists(self).RemoveBlanks();
        return Variant();
      },
      "Removes the killed active entries");
}

void add_tokenizer_members(component::MemberTable& t) {
  t.method(
      u"NabNextLine", {ref(u"strRTF", kStr)}, kStr,
      [](Object&, Args& a) { return Variant(rtf::NabNextLine(a[0].text())); },
      "Takes the next line (up to CR LF) from strRTF, trimmed");
  t.method(
      u"NabNextWord", {ref(u"strLine", kStr)}, kStr,
      [](Object&, Args& a) { return Variant(rtf::NabNextWord(a[0].text())); },
      "Takes the next RTF word from strLine");
  t.method(
      u"NabSection", {ref(u"strRTF", kStr), ref(u"lPos", kLong)}, kStr,
      [](Object&, Args& a) { return Variant(rtf::NabSection(a[0].text(), a[1].lng())); },
      "Cuts out of strRTF the group that encloses position lPos");
  t.method(
      u"GetColorTable", {ref(u"strSecTmp", kStr), ref(u"strColorTable", kVar)}, kNone,
      [](Object&, Args& a) {
        a[1] = text_array(rtf::GetColorTable(a[0].text()));
        return Variant();
      },
      "Reads a \\colortbl group into strColorTable (entry N = colour N, \"RRGGBB\")");
  t.method(
      u"GetFontTable", {ref(u"strSecTmp", kStr), ref(u"strFontTable", kVar)}, kNone,
      [](Object&, Args& a) {
        a[1] = text_array(rtf::GetFontTable(a[0].text()));
        return Variant();
      },
      "Reads a \\fonttbl group into strFontTable (entry N = name of font N)");
  t.method(
      u"TrimAll", {ref(u"strTmp", kStr)}, kStr,
      [](Object&, Args& a) { return Variant(rtf::TrimAll(a[0].text())); },
      "strTmp without spaces, CR and LF at either end");
  t.method(
      u"TrimifCmd", {ref(u"strTmp", kStr)}, kStr,
      [](Object&, Args& a) { return Variant(rtf::TrimifCmd(a[0].text())); },
      "Trims an RTF command; removes one leading space from text");
  t.method(
      u"IsDig", {ref(u"strChar", kStr)}, kBool,
      [](Object&, Args& a) { return Variant(rtf::IsDig(a[0].text())); },
      "Whether strChar is a decimal digit");
}

void add_converter_members(component::MemberTable& t) {
  t.method(
      u"rtf2html3", {ref(u"strRTF", kStr), opt(u"strOptions", kStr, Text())}, kStr,
      [](Object& self, Args& a) { return Variant(conv(self).rtf2html3(a[0].text(), a[1].text())); },
      "Converts RTF to an HTML fragment (options +CR, +F=N, -FF, +I, +WF well-formed)");
  t.method(
      u"ProcessWord", {ref(u"strWord", kStr)}, kNone,
      [](Object& self, Args& a) {
        conv(self).ProcessWord(a[0].text());
        return Variant();
      },
      "Handles one RTF word");
  t.method(
      u"ParseFont", {ref(u"strColor", kStr), ref(u"strSize", kStr), ref(u"strFace", kStr)}, kStr,
      [](Object&, Args& a) {
        return Variant(rtf::Converter::ParseFont(a[0].text(), a[1].text(), a[2].text()));
      },
      "The <font> tag for a colour, size and face");
  t.method(
      u"HTMLCode", {ref(u"strRTFCode", kStr)}, kStr,
      [](Object&, Args& a) { return Variant(rtf::Converter::HTMLCode(a[0].text())); },
      "The HTML of the character of an RTF \\'xx escape");
  t.method(
      u"ProcessAfterTextCodes", {}, kStr,
      [](Object& self, Args&) { return Variant(conv(self).ProcessAfterTextCodes()); },
      "The closing codes owed before the next text");
  t.method(
      u"rtf2html_replace", {val(u"strIn", kStr), val(u"strRepl", kStr), val(u"strWith", kStr)},
      kStr,
      [](Object&, Args& a) {
        return Variant(rtf::Converter::rtf2html_replace(a[0].text(), a[1].text(), a[2].text()));
      },
      "strIn with every strRepl replaced by strWith");
  t.method(
      u"GetCodes", {ref(u"strWordTmp", kStr)}, kStr,
      [](Object& self, Args& a) { return Variant(conv(self).GetCodes(a[0].text())); },
      "A listing of the converter's lists for debugging");

  auto text_field = [&t](TextView name, Text rtf::Converter::*field, std::string doc) {
    t.property_get(
        name, kStr, [field](Object& self, Args&) { return Variant(conv(self).*field); }, doc);
    t.property_let(
        name, ref(u"Value", kStr),
        [field](Object& self, Args& a) {
          conv(self).*field = a[0].text();
          return Variant();
        },
        doc);
  };
  auto bool_field = [&t](TextView name, bool rtf::Converter::*field, std::string doc) {
    t.property_get(
        name, kBool, [field](Object& self, Args&) { return Variant(conv(self).*field); }, doc);
    t.property_let(
        name, ref(u"Value", kBool),
        [field](Object& self, Args& a) {
          conv(self).*field = a[0].boolean();
          return Variant();
        },
        doc);
  };
  text_field(u"strCurPhrase", &rtf::Converter::strCurPhrase,
             "The HTML written so far in the current conversion");
  text_field(u"strCR", &rtf::Converter::strCR, "The line break written after every <br>");
  bool_field(u"gDebug", &rtf::Converter::gDebug, "Kept for the host");
  bool_field(u"gStep", &rtf::Converter::gStep, "Kept for the host");
}

}  // namespace

void add_rtf_members(component::MemberTable& t) {
  add_list_members(t);
  add_tokenizer_members(t);
  add_converter_members(t);
}

}  // namespace orvane::funcs
