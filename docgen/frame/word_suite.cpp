#include "docgen/frame/word_suite.h"

#include "component/registry.h"
#include "core/convert.h"
#include "core/error.h"

namespace orvane::docgen::word_suite {
namespace {

constexpr int32_t wdFindContinue = 1;
constexpr int32_t wdReplaceAll = 2;
constexpr int32_t wdExportFormatPDF = 17;
constexpr int32_t wdFormatDocument = 0;
constexpr int32_t wdWord9TableBehavior = 1;
constexpr int32_t wdAutoFitFixed = 0;
constexpr int32_t wdBorderTop = -1, wdBorderVertical = -6;

Variant text(TextView t) { return Variant(Text(t)); }

// A call with named arguments, as the generators write Word's calls.
Variant invoke_named(const ObjectPtr& obj, TextView member, std::vector<Variant> args,
                     std::vector<Text> names) {
  if (!obj) throw VbError(err::kObjectNotSet);
  return obj->invoke(member, CallKind::Method, args, names);
}

ObjectPtr selection(const ObjectPtr& word) { return as_object(get(word, u"Selection")); }
ObjectPtr active_document(const ObjectPtr& word) { return as_object(get(word, u"ActiveDocument")); }

Text as_text(const Variant& v) { return v.is_null() || v.is_empty() ? Text() : CStr(v); }

}  // namespace

ObjectPtr open(const ContextPtr& ctx, TextView folder, TextView file_name) {
  ObjectPtr word = component::create_object(u"Word.Application", ctx);
  call(word, u"ChangeFileOpenDirectory", {text(folder)});
  invoke_named(as_object(get(word, u"Documents")), u"Open",
               {text(file_name), Variant(false), Variant(false), Variant(false), text(u""),
                text(u""), Variant(false), text(u""), text(u""), Variant(int32_t{0})},
               {u"FileName", u"ConfirmConversions", u"ReadOnly", u"AddToRecentFiles",
                u"PasswordDocument", u"PasswordTemplate", u"Revert", u"WritePasswordDocument",
                u"WritePasswordTemplate", u"Format"});
  return word;
}

double major_version(const ObjectPtr& word) { return Val(as_text(get(word, u"Version"))); }

void set_find(const ObjectPtr& word, TextView find_text, TextView replacement_text) {
  ObjectPtr find = as_object(get(selection(word), u"Find"));
  ObjectPtr replacement = as_object(get(find, u"Replacement"));
  call(find, u"ClearFormatting");
  call(replacement, u"ClearFormatting");
  let(find, u"Text", text(find_text));
  let(replacement, u"Text", text(replacement_text));
  let(find, u"Forward", Variant(true));
  let(find, u"Wrap", Variant(wdFindContinue));
  let(find, u"Format", Variant(false));
  let(find, u"MatchCase", Variant(false));
  let(find, u"MatchWholeWord", Variant(true));
  let(find, u"MatchWildcards", Variant(false));
  let(find, u"MatchSoundsLike", Variant(false));
  let(find, u"MatchAllWordForms", Variant(false));
}

void replace_all(const ObjectPtr& word, TextView find_text, TextView replacement) {
  set_find(word, find_text, replacement);
  invoke_named(as_object(get(selection(word), u"Find")), u"Execute", {Variant(wdReplaceAll)},
               {u"Replace"});
}

bool find_placeholder(const ObjectPtr& word, TextView placeholder, bool upper_case) {
  set_find(word, placeholder, u"");
  ObjectPtr sel = selection(word);
  call(as_object(get(sel, u"Find")), u"Execute");
  const Text found = as_text(get(sel, u"Text"));
  return upper_case ? vb::UCase(found) == vb::UCase(placeholder) : found == placeholder;
}

void type_text(const ObjectPtr& word, TextView t) { call(selection(word), u"TypeText", {text(t)}); }

void type_paragraph(const ObjectPtr& word) { call(selection(word), u"TypeParagraph"); }

void set_bold(const ObjectPtr& word, bool bold) {
  let(as_object(get(selection(word), u"Font")), u"Bold", Variant(bold));
}

void set_alignment(const ObjectPtr& word, int32_t alignment) {
  let(as_object(get(selection(word), u"ParagraphFormat")), u"Alignment", Variant(alignment));
}

void add_picture(const ObjectPtr& word, TextView file) {
  invoke_named(as_object(get(selection(word), u"InlineShapes")), u"AddPicture",
               {text(file), Variant(false), Variant(true)},
               {u"FileName", u"LinkToFile", u"SaveWithDocument"});
}

void add_table(const ObjectPtr& word, int32_t columns) {
  ObjectPtr tables = as_object(get(active_document(word), u"tables"));
  invoke_named(tables, u"Add",
               {get(selection(word), u"Range"), Variant(int32_t{1}), Variant(columns),
                Variant(wdWord9TableBehavior), Variant(wdAutoFitFixed)},
               {u"Range", u"NumRows", u"NumColumns", u"DefaultTableBehavior", u"AutoFitBehavior"});
}

void set_column_width(const ObjectPtr& word, double points) {
  let(as_object(get(selection(word), u"Columns")), u"Width", Variant(points));
}

void next_cell(const ObjectPtr& word) {
  invoke_named(selection(word), u"MoveRight", {Variant(wdCell)}, {u"Unit"});
}

void extend_cells(const ObjectPtr& word, int32_t cells) {
  invoke_named(selection(word), u"MoveRight", {Variant(wdCell), Variant(cells), Variant(wdExtend)},
               {u"Unit", u"Count", u"Extend"});
}

void merge_cells(const ObjectPtr& word) {
  call(as_object(get(selection(word), u"Cells")), u"Merge");
}

void center_cells_vertically(const ObjectPtr& word) {
  let(as_object(get(selection(word), u"Cells")), u"VerticalAlignment",
      Variant(wdCellAlignVerticalCenter));
}

void set_borders(const ObjectPtr& word, int32_t line_style) {
  ObjectPtr sel = selection(word);
  for (int32_t border = wdBorderTop; border >= wdBorderVertical; --border) {
    let(as_object(get(sel, u"Borders", {Variant(border)})), u"LineStyle", Variant(line_style));
  }
}

void leave_table(const ObjectPtr& word) {
  // Down from the last row is the paragraph under the table.
  invoke_named(selection(word), u"MoveDown",
               {Variant(wdLine), Variant(int32_t{1}), Variant(wdMove)},
               {u"Unit", u"Count", u"Extend"});
}

void select_table(const ObjectPtr& word) {
  call(as_object(call(selection(word), u"Tables", {Variant(int32_t{1})})), u"Select");
}

void export_pdf(const ObjectPtr& word, TextView path, bool open_after, bool short_list) {
  if (short_list) {
    invoke_named(
        active_document(word), u"ExportAsFixedFormat",
        {text(path), Variant(wdExportFormatPDF), Variant(open_after), Variant(int32_t{1}),
         Variant(int32_t{1}), Variant(true), Variant(true), Variant(true), Variant(true),
         Variant(false)},
        {u"OutputFileName", u"ExportFormat", u"OpenAfterExport", u"From", u"To", u"IncludeDocProps",
         u"KeepIRM", u"DocStructureTags", u"BitmapMissingFonts", u"UseISO19005_1"});
    return;
  }
  invoke_named(active_document(word), u"ExportAsFixedFormat",
               {text(path), Variant(wdExportFormatPDF), Variant(open_after), Variant(int32_t{0}),
                Variant(int32_t{0}), Variant(int32_t{1}), Variant(int32_t{1}), Variant(int32_t{0}),
                Variant(true), Variant(true), Variant(int32_t{0}), Variant(true), Variant(true),
                Variant(false)},
               {u"OutputFileName", u"ExportFormat", u"OpenAfterExport", u"OptimizeFor", u"Range",
                u"From", u"To", u"Item", u"IncludeDocProps", u"KeepIRM", u"CreateBookmarks",
                u"DocStructureTags", u"BitmapMissingFonts", u"UseISO19005_1"});
}

void save_doc(const ObjectPtr& word, TextView folder, TextView file_name, bool short_list) {
  call(word, u"ChangeFileOpenDirectory", {text(folder)});
  if (short_list) {
    invoke_named(active_document(word), u"SaveAs", {text(file_name)}, {u"FileName"});
    return;
  }
  invoke_named(
      active_document(word), u"SaveAs",
      {text(file_name), Variant(wdFormatDocument), Variant(false), text(u""), Variant(true),
       text(u""), Variant(false), Variant(false), Variant(false), Variant(false), Variant(false)},
      {u"FileName", u"FileFormat", u"LockComments", u"Password", u"AddToRecentFiles",
       u"WritePassword", u"ReadOnlyRecommended", u"EmbedTrueTypeFonts", u"SaveNativePictureFormat",
       u"SaveFormsData", u"SaveAsAOCELetter"});
}

void print(const ObjectPtr& word, int16_t copies, bool short_list) {
  if (short_list) {
    invoke_named(word, u"PrintOut", {Variant(int32_t{copies}), Variant(true), Variant(true)},
                 {u"Copies", u"Collate", u"Background"});
    return;
  }
  invoke_named(word, u"PrintOut",
               {text(u""), Variant(int32_t{0}), Variant(int32_t{0}), Variant(int32_t{copies}),
                text(u""), Variant(int32_t{0}), Variant(true), Variant(true), Variant(false),
                Variant(int32_t{0}), Variant(int32_t{0}), Variant(int32_t{0}), Variant(int32_t{0})},
               {u"FileName", u"Range", u"Item", u"Copies", u"Pages", u"PageType", u"Collate",
                u"Background", u"PrintToFile", u"PrintZoomColumn", u"PrintZoomRow",
                u"PrintZoomPaperWidth", u"PrintZoomPaperHeight"});
}

void close_and_quit(const ObjectPtr& word) {
  resume_next([&] { call(as_object(get(word, u"ActiveWindow")), u"Close", {Variant(false)}); });
  resume_next([&] { call(word, u"Quit", {Variant(false)}); });
}

void show(const ObjectPtr& word) {
  let(as_object(get(word, u"ActiveWindow")), u"Visible", Variant(true));
}

}  // namespace orvane::docgen::word_suite
