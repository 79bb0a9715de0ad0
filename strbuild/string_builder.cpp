#include "strbuild/string_builder.h"

#include <limits>

#include "core/error.h"

namespace orvane::strbuild {
namespace {

constexpr int64_t kMaxBytes = std::numeric_limits<int32_t>::max();

[[noreturn]] void overflow() { throw VbError(err::kOverflow); }

cStringBuilder& self_of(Object& o) { return static_cast<cStringBuilder&>(o); }

}  // namespace

cStringBuilder::cStringBuilder(ContextPtr ctx) : ctx_(std::move(ctx)) {}

void cStringBuilder::grow(size_t extra) { cover(used_bytes() + 2 * static_cast<int64_t>(extra)); }

void cStringBuilder::cover(int64_t need) {
  if (need > kMaxBytes) overflow();
  if (need <= capacity_bytes_) return;
  // Whole chunks, as many as it takes; the observable capacity is all that changes
  // here, the string underneath keeps its own geometric growth.
  const int64_t chunks = (need - capacity_bytes_ + chunk_bytes_ - 1) / chunk_bytes_;
  const int64_t cap = capacity_bytes_ + chunks * chunk_bytes_;
  if (cap > kMaxBytes) overflow();
  capacity_bytes_ = cap;
}

void cStringBuilder::SetChunkSize(int64_t chars) {
  if (chars < 1) throw VbError(err::kInvalidCall);
  if (2 * chars > kMaxBytes) overflow();
  chunk_bytes_ = 2 * chars;
}

void cStringBuilder::SetTheString(TextView s) {
  if (s.empty()) {
    Clear();
    return;
  }
  cover(2 * static_cast<int64_t>(s.size()));
  text_.assign(s);
}

void cStringBuilder::Clear() {
  Text().swap(text_);
  capacity_bytes_ = 0;
}

void cStringBuilder::AppendNL(TextView s) {
  if (used_bytes() + 2 * static_cast<int64_t>(s.size() + 2) > capacity_bytes_) grow(s.size() + 2);
  text_.append(s);
  text_.append(u"\r\n");
}

void cStringBuilder::Insert(int64_t index, TextView s) {
  if (index < 0 || index > Length()) throw VbError(err::kSubscript);
  if (s.empty()) return;
  grow(s.size());
  text_.insert(static_cast<size_t>(index), s);
}

void cStringBuilder::Remove(int64_t index, int64_t length) {
  if (index < 0 || length < 0 || index + length > Length()) throw VbError(err::kSubscript);
  text_.erase(static_cast<size_t>(index), static_cast<size_t>(length));
}

int32_t cStringBuilder::Find(TextView find, int64_t start, int32_t compare) const {
  vb::Compare cmp;
  if (compare == 0 || compare == -1)
    cmp = vb::Compare::Binary;
  else if (compare == 1 || compare == 2)
    cmp = vb::Compare::Text;
  else
    throw VbError(err::kInvalidCall);
  if (start < 1) start = 1;
  if (start > Length()) return 0;
  return static_cast<int32_t>(vb::InStr(static_cast<long>(start), text_, find, cmp));
}

void cStringBuilder::HeapMinimize() {
  const int64_t used = used_bytes();
  while (capacity_bytes_ - used > chunk_bytes_) capacity_bytes_ -= chunk_bytes_;
  text_.shrink_to_fit();
}

Text cStringBuilder::take() {
  Text out;
  out.swap(text_);
  capacity_bytes_ = 0;
  return out;
}

const component::MemberTable& cStringBuilder::table() {
  using component::Args;
  using component::opt;
  using component::ref;
  using component::val;
  static const component::MemberTable kTable = [] {
    component::MemberTable t(u"cStringBuilder");
    t.property_get(
        u"Length", VarType::Long, [](Object& o, Args&) { return Variant(self_of(o).Length()); },
        "characters of text held");
    t.property_get(
        u"Capacity", VarType::Long, [](Object& o, Args&) { return Variant(self_of(o).Capacity()); },
        "characters the buffer holds before it grows by another chunk");
    t.property_get(
        u"ChunkSize", VarType::Long,
        [](Object& o, Args&) { return Variant(self_of(o).ChunkSize()); },
        "growth step in characters (default 8192)");
    t.property_let(
        u"ChunkSize", ref(u"iChunkSize", VarType::Long),
        [](Object& o, Args& a) {
          self_of(o).SetChunkSize(a[0].lng());
          return Variant();
        },
        "sets the growth step in characters");
    t.property_get(
        u"toString", VarType::String,
        [](Object& o, Args&) { return Variant(self_of(o).toString()); }, "the text");
    t.property_let(
        u"TheString", ref(u"sThis", VarType::String),
        [](Object& o, Args& a) {
          self_of(o).SetTheString(a[0].text());
          return Variant();
        },
        "replaces the whole text");
    t.method(
        u"Clear", {}, VarType::Empty,
        [](Object& o, Args&) {
          self_of(o).Clear();
          return Variant();
        },
        "empties the text and gives the buffer back");
    t.method(
        u"AppendNL", {ref(u"sThis", VarType::String)}, VarType::Empty,
        [](Object& o, Args& a) {
          self_of(o).AppendNL(a[0].text());
          return Variant();
        },
        "appends sThis and a line break (CR LF)");
    auto append = [](Object& o, Args& a) {
      self_of(o).Append(TextView(a[0].text()));
      return Variant();
    };
    t.method(u"Append", {ref(u"sThis", VarType::String)}, VarType::Empty, append, "appends sThis");
    t.method(u"AppendByVal", {val(u"sThis", VarType::String)}, VarType::Empty, append,
             "appends sThis (passed by value)");
    t.method(
        u"Insert", {val(u"iIndex", VarType::Long), ref(u"sThis", VarType::String)}, VarType::Empty,
        [](Object& o, Args& a) {
          self_of(o).Insert(a[0].lng(), a[1].text());
          return Variant();
        },
        "inserts sThis before the character at iIndex (0-based); error 9 outside 0..Length");
    t.method(
        u"InsertByVal", {ref(u"iIndex", VarType::Long), val(u"sThis", VarType::String)},
        VarType::Empty,
        [](Object& o, Args& a) {
          self_of(o).Insert(a[0].lng(), a[1].text());
          return Variant();
        },
        "inserts sThis (passed by value) before the character at iIndex");
    t.method(
        u"Remove", {ref(u"iIndex", VarType::Long), ref(u"lLen", VarType::Long)}, VarType::Empty,
        [](Object& o, Args& a) {
          self_of(o).Remove(a[0].lng(), a[1].lng());
          return Variant();
        },
        "removes lLen characters from iIndex (0-based); error 9 outside the text");
    t.method(
        u"Find",
        {ref(u"sToFind", VarType::String), opt(u"lStartIndex", VarType::Long, Variant(1)),
         opt(u"compare", VarType::Long, Variant(1))},
        VarType::Long,
        [](Object& o, Args& a) {
          return Variant(self_of(o).Find(a[0].text(), a[1].lng(), a[2].lng()));
        },
        "1-based position of sToFind from lStartIndex; compare 1 = text (default), 0 = binary");
    t.method(
        u"HeapMinimize", {}, VarType::Empty,
        [](Object& o, Args&) {
          self_of(o).HeapMinimize();
          return Variant();
        },
        "gives back spare capacity beyond one chunk");
    return t;
  }();
  return kTable;
}

}  // namespace orvane::strbuild
