// Member tables of the Word objects: what hosts and late-bound callers reach by name.
#include "core/convert.h"
#include "platform/office/word/word.h"

namespace orvane::office::word {

using component::Args;
using component::MemberTable;
using component::opt;
using component::val;

namespace {

template <class C>
C& as(Object& o) {
  return static_cast<C&>(o);
}

template <class C>
ObjectPtr share(C value) {
  return std::make_shared<C>(std::move(value));
}

Variant none() { return Variant(); }

}  // namespace

const MemberTable& Range::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"Range");
    m.property_get(u"Text", VarType::String,
                   [](Object& s, Args&) { return Variant(as<Range>(s).Text()); });
    m.method(u"Select", {}, VarType::Empty, [](Object& s, Args&) {
      as<Range>(s).Select();
      return none();
    });
    return m;
  }();
  return t;
}

const MemberTable& Replacement::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"Replacement");
    m.method(u"ClearFormatting", {}, VarType::Empty, [](Object&, Args&) { return none(); });
    m.property_get(u"Text", VarType::String,
                   [](Object& s, Args&) { return Variant(as<Replacement>(s).Text()); });
    m.property_let(u"Text", val(u"Value", VarType::String), [](Object& s, Args& a) {
      as<Replacement>(s).Text(a[0].text());
      return none();
    });
    return m;
  }();
  return t;
}

const MemberTable& Find::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"Find");
    m.method(u"ClearFormatting", {}, VarType::Empty, [](Object&, Args&) { return none(); });
    m.property_get(u"Replacement", VarType::Object, [](Object& s, Args&) {
      return Variant(ObjectPtr(as<Find>(s).replacement_ptr()));
    });
    m.property_get(u"Text", VarType::String,
                   [](Object& s, Args&) { return Variant(as<Find>(s).Text()); });
    m.property_let(u"Text", val(u"Value", VarType::String), [](Object& s, Args& a) {
      as<Find>(s).Text(a[0].text());
      return none();
    });
    auto flag = [&m](const char16_t* name, bool (Find::*get)() const, void (Find::*set)(bool)) {
      m.property_get(name, VarType::Boolean,
                     [get](Object& s, Args&) { return Variant((as<Find>(s).*get)()); });
      m.property_let(name, val(u"Value", VarType::Boolean), [set](Object& s, Args& a) {
        (as<Find>(s).*set)(a[0].boolean());
        return none();
      });
    };
    flag(u"Forward", &Find::Forward, &Find::Forward);
    flag(u"Format", &Find::Format, &Find::Format);
    flag(u"MatchCase", &Find::MatchCase, &Find::MatchCase);
    flag(u"MatchWholeWord", &Find::MatchWholeWord, &Find::MatchWholeWord);
    flag(u"MatchWildcards", &Find::MatchWildcards, &Find::MatchWildcards);
    flag(u"MatchSoundsLike", &Find::MatchSoundsLike, &Find::MatchSoundsLike);
    flag(u"MatchAllWordForms", &Find::MatchAllWordForms, &Find::MatchAllWordForms);
    m.property_get(u"Wrap", VarType::Long,
                   [](Object& s, Args&) { return Variant(int32_t(as<Find>(s).Wrap())); });
    m.property_let(u"Wrap", val(u"Value", VarType::Long), [](Object& s, Args& a) {
      as<Find>(s).Wrap(a[0].lng());
      return none();
    });
    m.method(u"Execute",
             {opt(u"FindText", VarType::Variant), opt(u"MatchCase", VarType::Variant),
              opt(u"MatchWholeWord", VarType::Variant), opt(u"MatchWildcards", VarType::Variant),
              opt(u"MatchSoundsLike", VarType::Variant),
              opt(u"MatchAllWordForms", VarType::Variant), opt(u"Forward", VarType::Variant),
              opt(u"Wrap", VarType::Variant), opt(u"Format", VarType::Variant),
              opt(u"ReplaceWith", VarType::Variant), opt(u"Replace", VarType::Variant)},
             VarType::Boolean, [](Object& s, Args& a) {
               Find& f = as<Find>(s);
               // Arguments given here become the search's settings, as in Word.
               if (!a[0].is_missing()) f.Text(CStr(a[0]));
               if (!a[1].is_missing()) f.MatchCase(CBool(a[1]));
               if (!a[2].is_missing()) f.MatchWholeWord(CBool(a[2]));
               if (!a[3].is_missing()) f.MatchWildcards(CBool(a[3]));
               if (!a[4].is_missing()) f.MatchSoundsLike(CBool(a[4]));
               if (!a[5].is_missing()) f.MatchAllWordForms(CBool(a[5]));
               if (!a[6].is_missing()) f.Forward(CBool(a[6]));
               if (!a[7].is_missing()) f.Wrap(CLng(a[7]));
               if (!a[8].is_missing()) f.Format(CBool(a[8]));
               if (!a[9].is_missing()) f.Replacement().Text(CStr(a[9]));
               int replace = a[10].is_missing() ? wdReplaceNone : CLng(a[10]);
               return Variant(f.Execute(replace));
             });
    return m;
  }();
  return t;
}

const MemberTable& Font::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"Font");
    m.property_get(u"Bold", VarType::Boolean,
                   [](Object& s, Args&) { return Variant(as<Font>(s).Bold()); });
    m.property_let(u"Bold", val(u"Value", VarType::Boolean), [](Object& s, Args& a) {
      as<Font>(s).Bold(a[0].boolean());
      return none();
    });
    return m;
  }();
  return t;
}

const MemberTable& ParagraphFormat::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"ParagraphFormat");
    m.property_get(u"Alignment", VarType::Long, [](Object& s, Args&) {
      return Variant(int32_t(as<ParagraphFormat>(s).Alignment()));
    });
    m.property_let(u"Alignment", val(u"Value", VarType::Long), [](Object& s, Args& a) {
      as<ParagraphFormat>(s).Alignment(a[0].lng());
      return none();
    });
    return m;
  }();
  return t;
}

const MemberTable& Columns::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"Columns");
    m.property_let(u"Width", val(u"Value", VarType::Double), [](Object& s, Args& a) {
      as<Columns>(s).Width(a[0].dbl());
      return none();
    });
    m.property_get(u"Count", VarType::Long,
                   [](Object& s, Args&) { return Variant(int32_t(as<Columns>(s).Count())); });
    return m;
  }();
  return t;
}

const MemberTable& Cells::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"Cells");
    m.method(u"Merge", {}, VarType::Empty, [](Object& s, Args&) {
      as<Cells>(s).Merge();
      return none();
    });
    m.property_let(u"VerticalAlignment", val(u"Value", VarType::Long), [](Object& s, Args& a) {
      as<Cells>(s).VerticalAlignment(a[0].lng());
      return none();
    });
    m.property_let(u"Height", val(u"Value", VarType::Double), [](Object& s, Args& a) {
      as<Cells>(s).Height(a[0].dbl());
      return none();
    });
    m.property_let(u"Width", val(u"Value", VarType::Double), [](Object& s, Args& a) {
      as<Cells>(s).Width(a[0].dbl());
      return none();
    });
    m.property_get(u"Count", VarType::Long,
                   [](Object& s, Args&) { return Variant(int32_t(as<Cells>(s).Count())); });
    return m;
  }();
  return t;
}

const MemberTable& Border::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"Border");
    m.property_get(u"LineStyle", VarType::Long,
                   [](Object& s, Args&) { return Variant(int32_t(as<Border>(s).LineStyle())); });
    m.property_let(u"LineStyle", val(u"Value", VarType::Long), [](Object& s, Args& a) {
      as<Border>(s).LineStyle(a[0].lng());
      return none();
    });
    return m;
  }();
  return t;
}

const MemberTable& Borders::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"Borders");
    m.method(u"Item", {val(u"Index", VarType::Long)}, VarType::Object,
             [](Object& s, Args& a) { return Variant(share(as<Borders>(s).Item(a[0].lng()))); });
    m.property_let(u"LineStyle", val(u"Value", VarType::Long), [](Object& s, Args& a) {
      as<Borders>(s).LineStyle(a[0].lng());
      return none();
    });
    return m;
  }();
  return t;
}

const MemberTable& InlineShapes::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"InlineShapes");
    m.method(
        u"AddPicture",
        {val(u"FileName", VarType::String), opt(u"LinkToFile", VarType::Boolean, Variant(false)),
         opt(u"SaveWithDocument", VarType::Boolean, Variant(true)),
         opt(u"Range", VarType::Variant)},
        VarType::Empty, [](Object& s, Args& a) {
          as<InlineShapes>(s).AddPicture(a[0].text(), a[1].boolean(), a[2].boolean());
          return none();
        });
    return m;
  }();
  return t;
}

const MemberTable& Table::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"Table");
    m.method(u"Select", {}, VarType::Empty, [](Object& s, Args&) {
      as<Table>(s).Select();
      return none();
    });
    m.method(u"CellSelect", {val(u"Row", VarType::Long), val(u"Column", VarType::Long)},
             VarType::Empty, [](Object& s, Args& a) {
               as<Table>(s).CellSelect(a[0].lng(), a[1].lng());
               return none();
             });
    m.property_get(u"RowsCount", VarType::Long,
                   [](Object& s, Args&) { return Variant(int32_t(as<Table>(s).RowsCount())); });
    m.property_get(u"ColumnsCount", VarType::Long,
                   [](Object& s, Args&) { return Variant(int32_t(as<Table>(s).ColumnsCount())); });
    return m;
  }();
  return t;
}

const MemberTable& Tables::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"Tables");
    m.method(u"Add",
             {val(u"Range", VarType::Object), val(u"NumRows", VarType::Long),
              val(u"NumColumns", VarType::Long),
              opt(u"DefaultTableBehavior", VarType::Long, Variant(int32_t(0))),
              opt(u"AutoFitBehavior", VarType::Long, Variant(int32_t(0)))},
             VarType::Object, [](Object& s, Args& a) {
               auto r = std::dynamic_pointer_cast<Range>(as_object(a[0]));
               if (!r) throw VbError(err::kTypeMismatch, u"Range");
               return Variant(
                   share(as<Tables>(s).Add(*r, a[1].lng(), a[2].lng(), a[3].lng(), a[4].lng())));
             });
    m.property_get(u"Count", VarType::Long,
                   [](Object& s, Args&) { return Variant(int32_t(as<Tables>(s).Count())); });
    m.method(u"Item", {val(u"Index", VarType::Long)}, VarType::Object,
             [](Object& s, Args& a) { return Variant(share(as<Tables>(s).Item(a[0].lng()))); });
    return m;
  }();
  return t;
}

const MemberTable& Selection::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"Selection");
    m.property_get(u"Find", VarType::Object, [](Object& s, Args&) {
      return Variant(ObjectPtr(as<Selection>(s).Find().shared_from_this()));
    });
    m.property_get(u"Text", VarType::String,
                   [](Object& s, Args&) { return Variant(as<Selection>(s).Text()); });
    m.property_let(u"Text", val(u"Value", VarType::String), [](Object& s, Args& a) {
      as<Selection>(s).Text(a[0].text());
      return none();
    });
    m.method(u"TypeText", {val(u"Text", VarType::String)}, VarType::Empty, [](Object& s, Args& a) {
      as<Selection>(s).TypeText(a[0].text());
      return none();
    });
    m.method(u"TypeParagraph", {}, VarType::Empty, [](Object& s, Args&) {
      as<Selection>(s).TypeParagraph();
      return none();
    });
    using Mover = int (Selection::*)(int, int, int);
    auto mover = [&m](const char16_t* name, Mover fn, int unit) {
      m.method(
          name,
          {opt(u"Unit", VarType::Long, Variant(int32_t(unit))),
           opt(u"Count", VarType::Long, Variant(int32_t(1))),
           opt(u"Extend", VarType::Long, Variant(int32_t(0)))},
          VarType::Long, [fn](Object& s, Args& a) {
            return Variant(int32_t((as<Selection>(s).*fn)(a[0].lng(), a[1].lng(), a[2].lng())));
          });
    };
    mover(u"MoveRight", &Selection::MoveRight, wdCharacter);
    mover(u"MoveLeft", &Selection::MoveLeft, wdCharacter);
    mover(u"MoveDown", &Selection::MoveDown, wdLine);
    mover(u"MoveUp", &Selection::MoveUp, wdLine);
    m.method(
        u"HomeKey",
        {opt(u"Unit", VarType::Long, Variant(int32_t(wdLine))), opt(u"Extend", VarType::Variant)},
        VarType::Empty, [](Object& s, Args& a) {
          as<Selection>(s).HomeKey(a[0].lng());
          return none();
        });
    m.method(
        u"EndKey",
        {opt(u"Unit", VarType::Long, Variant(int32_t(wdLine))), opt(u"Extend", VarType::Variant)},
        VarType::Empty, [](Object& s, Args& a) {
          as<Selection>(s).EndKey(a[0].lng());
          return none();
        });
    m.property_get(u"Range", VarType::Object,
                   [](Object& s, Args&) { return Variant(share(as<Selection>(s).Range())); });
    m.property_get(u"Font", VarType::Object,
                   [](Object& s, Args&) { return Variant(share(as<Selection>(s).Font())); });
    m.property_get(u"ParagraphFormat", VarType::Object, [](Object& s, Args&) {
      return Variant(share(as<Selection>(s).ParagraphFormat()));
    });
    m.property_get(u"Columns", VarType::Object,
                   [](Object& s, Args&) { return Variant(share(as<Selection>(s).Columns())); });
    m.property_get(u"Cells", VarType::Object,
                   [](Object& s, Args&) { return Variant(share(as<Selection>(s).Cells())); });
    m.property_get(u"Borders", VarType::Object,
                   [](Object& s, Args& a) {
                     if (a[0].is_missing()) return Variant(share(as<Selection>(s).Borders()));
                     return Variant(share(as<Selection>(s).Borders(CLng(a[0]))));
                   },
                   "", {opt(u"Index", VarType::Variant)});
    m.property_get(u"InlineShapes", VarType::Object, [](Object& s, Args&) {
      return Variant(share(as<Selection>(s).InlineShapes()));
    });
    m.property_get(
        u"Tables", VarType::Object,
        [](Object& s, Args& a) { return Variant(share(as<Selection>(s).Tables(a[0].lng()))); }, "",
        {opt(u"Index", VarType::Long, Variant(int32_t(1)))});
    return m;
  }();
  return t;
}

const MemberTable& Window::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"Window");
    m.property_get(u"Visible", VarType::Boolean,
                   [](Object& s, Args&) { return Variant(as<Window>(s).Visible()); });
    m.property_let(u"Visible", val(u"Value", VarType::Boolean), [](Object& s, Args& a) {
      as<Window>(s).Visible(a[0].boolean());
      return none();
    });
    m.method(u"Close",
             {opt(u"SaveChanges", VarType::Boolean, Variant(false)),
              opt(u"RouteDocument", VarType::Variant)},
             VarType::Empty, [](Object& s, Args& a) {
               as<Window>(s).Close(a[0].boolean());
               return none();
             });
    return m;
  }();
  return t;
}

const MemberTable& Document::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"Document");
    m.property_get(u"Tables", VarType::Object,
                   [](Object& s, Args&) { return Variant(share(as<Document>(s).Tables())); });
    m.property_get(u"FullName", VarType::String,
                   [](Object& s, Args&) { return Variant(as<Document>(s).FullName()); });
    m.method(
        u"SaveAs",
        {val(u"FileName", VarType::String), opt(u"FileFormat", VarType::Long, Variant(int32_t(-1))),
         opt(u"LockComments", VarType::Variant), opt(u"Password", VarType::Variant),
         opt(u"AddToRecentFiles", VarType::Variant), opt(u"WritePassword", VarType::Variant),
         opt(u"ReadOnlyRecommended", VarType::Variant),
         opt(u"EmbedTrueTypeFonts", VarType::Variant),
         opt(u"SaveNativePictureFormat", VarType::Variant), opt(u"SaveFormsData", VarType::Variant),
         opt(u"SaveAsAOCELetter", VarType::Variant)},
        VarType::Empty, [](Object& s, Args& a) {
          SaveAsArgs args;
          args.FileFormat = a[1].lng();
          as<Document>(s).SaveAs(a[0].text(), args);
          return none();
        });
    m.method(
        u"ExportAsFixedFormat",
        {val(u"OutputFileName", VarType::String), val(u"ExportFormat", VarType::Long),
         opt(u"OpenAfterExport", VarType::Boolean, Variant(false)),
         opt(u"OptimizeFor", VarType::Variant), opt(u"Range", VarType::Variant),
         opt(u"From", VarType::Variant), opt(u"To", VarType::Variant),
         opt(u"Item", VarType::Variant), opt(u"IncludeDocProps", VarType::Variant),
         opt(u"KeepIRM", VarType::Variant), opt(u"CreateBookmarks", VarType::Variant),
         opt(u"DocStructureTags", VarType::Variant), opt(u"BitmapMissingFonts", VarType::Variant),
         opt(u"UseISO19005_1", VarType::Variant)},
        VarType::Empty, [](Object& s, Args& a) {
          ExportArgs args;
          args.OpenAfterExport = a[2].boolean();
          if (!a[7].is_missing() && !a[7].is_empty()) args.Item = CLng(a[7]);
          as<Document>(s).ExportAsFixedFormat(a[0].text(), a[1].lng(), args);
          return none();
        });
    m.method(u"Close", {opt(u"SaveChanges", VarType::Boolean, Variant(false))}, VarType::Empty,
             [](Object& s, Args& a) {
               as<Document>(s).Close(a[0].boolean());
               return none();
             });
    return m;
  }();
  return t;
}

const MemberTable& Documents::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"Documents");
    m.method(
        u"Open",
        {val(u"FileName", VarType::String), opt(u"ConfirmConversions", VarType::Variant),
         opt(u"ReadOnly", VarType::Variant), opt(u"AddToRecentFiles", VarType::Variant),
         opt(u"PasswordDocument", VarType::Variant), opt(u"PasswordTemplate", VarType::Variant),
         opt(u"Revert", VarType::Variant), opt(u"WritePasswordDocument", VarType::Variant),
         opt(u"WritePasswordTemplate", VarType::Variant), opt(u"Format", VarType::Variant)},
        VarType::Object, [](Object& s, Args& a) {
          return Variant(ObjectPtr(as<Documents>(s).Open(a[0].text()).self()));
        });
    m.property_get(u"Count", VarType::Long,
                   [](Object& s, Args&) { return Variant(int32_t(as<Documents>(s).Count())); });
    return m;
  }();
  return t;
}

const MemberTable& Application::members() const {
  static const MemberTable t = [] {
    MemberTable m(u"Application");
    m.property_get(u"Documents", VarType::Object, [](Object& s, Args&) {
      return Variant(ObjectPtr(as<Application>(s).Documents().shared_from_this()));
    });
    m.method(u"ChangeFileOpenDirectory", {val(u"Path", VarType::String)}, VarType::Empty,
             [](Object& s, Args& a) {
               as<Application>(s).ChangeFileOpenDirectory(a[0].text());
               return none();
             });
    m.property_get(u"Selection", VarType::Object, [](Object& s, Args&) {
      return Variant(ObjectPtr(as<Application>(s).ActiveDocument().selection_ptr()));
    });
    m.property_get(u"ActiveDocument", VarType::Object, [](Object& s, Args&) {
      return Variant(ObjectPtr(as<Application>(s).ActiveDocument().self()));
    });
    m.property_get(u"ActiveWindow", VarType::Object, [](Object& s, Args&) {
      return Variant(ObjectPtr(as<Application>(s).ActiveDocument().window_ptr()));
    });
    m.property_get(u"Version", VarType::String,
                   [](Object& s, Args&) { return Variant(as<Application>(s).Version()); });
    m.property_get(u"Visible", VarType::Boolean,
                   [](Object& s, Args&) { return Variant(as<Application>(s).Visible()); });
    m.property_let(u"Visible", val(u"Value", VarType::Boolean), [](Object& s, Args& a) {
      as<Application>(s).Visible(a[0].boolean());
      return none();
    });
    m.method(
        u"PrintOut",
        {opt(u"Background", VarType::Variant), opt(u"Append", VarType::Variant),
         opt(u"Range", VarType::Variant), opt(u"OutputFileName", VarType::Variant),
         opt(u"From", VarType::Variant), opt(u"To", VarType::Variant),
         opt(u"Item", VarType::Variant), opt(u"Copies", VarType::Long, Variant(int32_t(1))),
         opt(u"Pages", VarType::Variant), opt(u"PageType", VarType::Variant),
         opt(u"PrintToFile", VarType::Variant), opt(u"Collate", VarType::Variant),
         opt(u"FileName", VarType::String, Variant(Text())),
         // Word's remaining arguments: accepted by name, nothing to do with them here.
         opt(u"ActivePrinterMacGX", VarType::Variant), opt(u"ManualDuplexPrint", VarType::Variant),
         opt(u"PrintZoomColumn", VarType::Variant), opt(u"PrintZoomRow", VarType::Variant),
         opt(u"PrintZoomPaperWidth", VarType::Variant),
         opt(u"PrintZoomPaperHeight", VarType::Variant)},
        VarType::Empty, [](Object& s, Args& a) {
          PrintOutArgs args;
          args.Copies = a[7].lng();
          args.FileName = a[12].text();
          as<Application>(s).PrintOut(args);
          return none();
        });
    m.method(u"Quit",
             {opt(u"SaveChanges", VarType::Boolean, Variant(false)),
              opt(u"OriginalFormat", VarType::Variant), opt(u"RouteDocument", VarType::Variant)},
             VarType::Empty, [](Object& s, Args& a) {
               as<Application>(s).Quit(a[0].boolean());
               return none();
             });
    return m;
  }();
  return t;
}

}  // namespace orvane::office::word
