"""The late-bound client: ctypes over liborvane's C interface (orvane/orvane.h).

Attribute access follows what the member is, as COM's dynamic dispatch does in Python: a
property gives its value, a method gives a callable, a property that takes an index
gives an indexable callable, and `obj.Name = value` writes a property. The member tables
are read once per type through orvane_members() and orvane_member_params().
"""

from __future__ import annotations

import ctypes
import ctypes.util
import datetime
import decimal
import keyword
import os
from typing import Any, Iterator

__all__ = ["Object", "OrvaneError", "NoSuchMemberError", "ArgumentError", "MISSING", "NULL",
           "EMPTY", "MissingType", "ErrorValue", "create", "set_message_handler", "set_clock",
           "set_setting", "version"]

EMPTY_T, NULL_T, INTEGER, LONG, SINGLE, DOUBLE, CURRENCY, DATE, STRING, OBJECT, ERROR, \
    BOOLEAN, VARIANT = 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12
DECIMAL, BYTE, ARRAY = 14, 17, 0x2000
PARAM_NOT_FOUND = -2147352572
METHOD, PROPERTY_GET, PROPERTY_LET = 1, 2, 4

# Binding errors of the member tables: no such member, and argument mistakes.
_NO_SUCH_MEMBER = 438
_ARGUMENT_ERRORS = {448, 449, 450}


class MissingType:
    """The type of MISSING, the omitted-argument marker."""

    _instance = None

    def __new__(cls) -> MissingType:
        if cls._instance is None:
            cls._instance = super().__new__(cls)
        return cls._instance

    def __repr__(self) -> str:
        return "orvane.MISSING"


class _Null:
    def __repr__(self) -> str:
        return "orvane.NULL"


class _Empty:
    """An Empty variant: false, and equal to "" as in VB comparisons."""

    def __repr__(self) -> str:
        return "orvane.EMPTY"

    def __bool__(self) -> bool:
        return False

    def __eq__(self, other: object) -> bool:
        return isinstance(other, _Empty) or other == ""

    def __hash__(self) -> int:
        return 0


MISSING = MissingType()  # an omitted optional argument
NULL = _Null()  # a Null passed explicitly (None also means Null)
EMPTY = _Empty()  # what an Empty result comes back as
EMPTY_VALUE = EMPTY  # the earlier name


class ErrorValue(int):
    """A variant of the Error type (an scode)."""


class OrvaneError(Exception):
    """An error a member raised, or a call that does not bind: number and description."""

    def __init__(self, number: int, description: str):
        super().__init__(f"{number}: {description}")
        self.number = number
        self.description = description


class NoSuchMemberError(OrvaneError, AttributeError):
    """438: the object has no member of that name (also an AttributeError, so hasattr works)."""


class ArgumentError(OrvaneError, TypeError):
    """448, 449, 450: an unknown argument name, a required argument left out, too many."""


def _error(number: int, description: str) -> OrvaneError:
    if number == _NO_SUCH_MEMBER:
        return NoSuchMemberError(number, description)
    if number in _ARGUMENT_ERRORS:
        return ArgumentError(number, description)
    return OrvaneError(number, description)


class _Value(ctypes.Union):
    _fields_ = [("i2", ctypes.c_int16), ("i4", ctypes.c_int32), ("r4", ctypes.c_float),
                ("r8", ctypes.c_double), ("cy", ctypes.c_int64), ("date", ctypes.c_double),
                ("scode", ctypes.c_int32), ("boolean", ctypes.c_int32),
                ("byte", ctypes.c_uint8), ("object", ctypes.c_void_p)]


class _Variant(ctypes.Structure):
    pass


_Variant._fields_ = [("type", ctypes.c_uint16), ("owned", ctypes.c_uint16), ("v", _Value),
                     ("utf8", ctypes.c_char_p), ("utf16", ctypes.c_void_p),
                     ("utf16_len", ctypes.c_size_t), ("items", ctypes.POINTER(_Variant)),
                     ("count", ctypes.c_size_t), ("ndims", ctypes.c_int32),
                     ("bounds", ctypes.POINTER(ctypes.c_int32))]


class _Error(ctypes.Structure):
    _fields_ = [("number", ctypes.c_int32), ("description", ctypes.c_char * 1024)]


class _ParamInfo(ctypes.Structure):
    _fields_ = [("name", ctypes.c_char_p), ("type", ctypes.c_uint16), ("by_ref", ctypes.c_uint8),
                ("optional", ctypes.c_uint8)]


class _MemberInfo(ctypes.Structure):
    _fields_ = [("name", ctypes.c_char_p), ("kind", ctypes.c_int32), ("result", ctypes.c_uint16)]


def _load() -> ctypes.CDLL:
    """The library ORVANE_LIB names, else the one beside this package, else the system's."""
    if os.environ.get("ORVANE_LIB"):
        try:
            return ctypes.CDLL(os.environ["ORVANE_LIB"])
        except OSError as e:
            raise OSError(f"ORVANE_LIB={os.environ['ORVANE_LIB']} does not load: {e}") from e
    candidates = []
    beside = os.path.join(os.path.dirname(os.path.abspath(__file__)), "liborvane.so.0")
    if os.path.exists(beside):
        candidates.append(beside)
    candidates.append(ctypes.util.find_library("orvane") or "liborvane.so.0")
    failures = []
    for c in candidates:
        try:
            return ctypes.CDLL(c)
        except OSError as e:  # try the next place
            failures.append(str(e))
    raise OSError("liborvane.so.0 is neither beside the orvane package nor on the library path "
                  "(ORVANE_LIB may name it): " + "; ".join(failures))


_lib = _load()
_lib.orvane_version.restype = ctypes.c_char_p
_lib.orvane_create.argtypes = [ctypes.c_char_p, ctypes.POINTER(ctypes.c_void_p),
                               ctypes.POINTER(_Error)]
_lib.orvane_addref.argtypes = [ctypes.c_void_p]
_lib.orvane_release.argtypes = [ctypes.c_void_p]
_lib.orvane_type_name.argtypes = [ctypes.c_void_p]
_lib.orvane_type_name.restype = ctypes.c_char_p
_lib.orvane_invoke.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int,
                               ctypes.POINTER(_Variant), ctypes.c_size_t,
                               ctypes.POINTER(ctypes.c_char_p), ctypes.POINTER(_Variant),
                               ctypes.POINTER(_Error)]
_lib.orvane_member_params.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int,
                                      ctypes.POINTER(_ParamInfo), ctypes.c_int]
_lib.orvane_members.argtypes = [ctypes.c_void_p, ctypes.POINTER(_MemberInfo), ctypes.c_int]
_lib.orvane_variant_clear.argtypes = [ctypes.POINTER(_Variant)]
_lib.orvane_set_setting.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
_MESSAGE_FN = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int,
                               ctypes.c_char_p)
_CLOCK_FN = ctypes.CFUNCTYPE(ctypes.c_double, ctypes.c_void_p)
_lib.orvane_set_message_handler.argtypes = [_MESSAGE_FN, ctypes.c_void_p]
_lib.orvane_set_clock.argtypes = [_CLOCK_FN, ctypes.c_void_p]

_OLE_EPOCH = datetime.datetime(1899, 12, 30)
_keep: dict[str, Any] = {}  # C callbacks must outlive their registration


def version() -> str:
    """The library's version, "MAJOR.MINOR.PATCH"."""
    return _lib.orvane_version().decode()


def _to_ole(dt: datetime.date) -> float:
    if not isinstance(dt, datetime.datetime):
        dt = datetime.datetime(dt.year, dt.month, dt.day)
    delta = dt - _OLE_EPOCH
    days = delta.days
    frac = delta.seconds / 86400.0
    return days + frac if days >= 0 else days - frac if frac else float(days)


def _from_ole(oa: float) -> datetime.datetime:
    days = int(oa)
    frac = abs(oa - days)
    return _OLE_EPOCH + datetime.timedelta(days=days, seconds=round(frac * 86400))


class _Arena:
    """Keeps the buffers of one call's input variants alive."""

    def __init__(self) -> None:
        self.buffers: list[Any] = []

    def fill(self, var: _Variant, value: Any) -> None:
        if value is None or value is NULL:
            var.type = NULL_T
        elif value is MISSING:
            var.type = ERROR
            var.v.scode = PARAM_NOT_FOUND
        elif isinstance(value, _Empty):
            var.type = EMPTY_T
        elif isinstance(value, bool):
            var.type = BOOLEAN
            var.v.boolean = 1 if value else 0
        elif isinstance(value, int):
            if -2**31 <= value < 2**31:
                var.type = LONG
                var.v.i4 = value
            else:
                var.type = DOUBLE
                var.v.r8 = float(value)
        elif isinstance(value, float):
            var.type = DOUBLE
            var.v.r8 = value
        elif isinstance(value, decimal.Decimal):
            var.type = CURRENCY
            var.v.cy = int((value * 10000).to_integral_value(decimal.ROUND_HALF_EVEN))
        elif isinstance(value, datetime.date):
            var.type = DATE
            var.v.date = _to_ole(value)
        elif isinstance(value, str):
            buf = ctypes.create_string_buffer(value.encode("utf-8"))
            self.buffers.append(buf)
            var.type = STRING
            var.utf8 = ctypes.cast(buf, ctypes.c_char_p)
        elif isinstance(value, Object):
            var.type = OBJECT
            var.v.object = value._handle
        elif isinstance(value, (list, tuple)):
            items = (_Variant * max(1, len(value)))()
            self.buffers.append(items)
            for i, item in enumerate(value):
                self.fill(items[i], item)
            var.type = ARRAY
            var.items = ctypes.cast(items, ctypes.POINTER(_Variant))
            var.count = len(value)
            var.ndims = 0
        else:
            raise TypeError(f"cannot pass {type(value).__name__} to Orvane")


def _to_python(var: _Variant) -> Any:
    t = var.type
    if t == EMPTY_T:
        return EMPTY
    if t == NULL_T:
        return None
    if t == INTEGER:
        return var.v.i2
    if t == LONG:
        return var.v.i4
    if t == SINGLE:
        return var.v.r4
    if t == DOUBLE:
        return var.v.r8
    if t == CURRENCY:
        return decimal.Decimal(var.v.cy) / 10000
    if t == DATE:
        return _from_ole(var.v.date)
    if t == STRING:
        return var.utf8.decode("utf-8") if var.utf8 else ""
    if t == DECIMAL:
        return decimal.Decimal(var.utf8.decode())
    if t == BOOLEAN:
        return bool(var.v.boolean)
    if t == BYTE:
        return var.v.byte
    if t == ERROR:
        return MISSING if var.v.scode == PARAM_NOT_FOUND else ErrorValue(var.v.scode)
    if t == OBJECT:
        if not var.v.object:
            return None
        _lib.orvane_addref(var.v.object)
        return Object._wrap(var.v.object)
    if t == ARRAY:
        return [_to_python(var.items[i]) for i in range(var.count)]
    raise TypeError(f"unknown variant type {t}")


def _member_name(name: str) -> str:
    """A Python spelling back to the member's: `from_` is the member From."""
    if name.endswith("_") and keyword.iskeyword(name[:-1]):
        return name[:-1]
    return name


class _Param:
    __slots__ = ("name", "type", "by_ref", "optional")

    def __init__(self, info: _ParamInfo):
        self.name = info.name.decode()
        self.type = info.type
        self.by_ref = bool(info.by_ref)
        self.optional = bool(info.optional)


class _Member:
    __slots__ = ("name", "kinds", "results")

    def __init__(self, name: str):
        self.name = name
        self.kinds = 0
        self.results: dict[int, int] = {}


class _TypeInfo:
    """The members of one type, by lower-case name; None when the type does not list them."""

    def __init__(self, handle: int):
        self.members: dict[str, _Member] | None = None
        self.params: dict[tuple[str, int], list[_Param] | None] = {}
        n = _lib.orvane_members(handle, None, 0)
        if n < 0:
            return
        infos = (_MemberInfo * max(1, n))()
        n = _lib.orvane_members(handle, infos, n)
        self.members = {}
        for info in infos[:n]:
            name = info.name.decode()
            m = self.members.setdefault(name.lower(), _Member(name))
            m.kinds |= info.kind
            m.results[info.kind] = info.result

    def find(self, name: str) -> _Member | None:
        return self.members.get(name.lower()) if self.members is not None else None


_types: dict[str, _TypeInfo] = {}
_typed: dict[str, type] = {}  # the public classes, filled by orvane.classes


def _register(*classes: type) -> None:
    for cls in classes:
        _typed[cls.__name__] = cls


class Object:
    """A late-bound Orvane object: members are its attributes (see the module's notes)."""

    _prog_id: str | None = None

    def __init__(self, name: str | None = None):
        """Creates the class `name` (class name or ProgID); typed classes know their own."""
        name = name or type(self)._prog_id
        if not name:
            raise TypeError("Object needs the name or ProgID of the class to create")
        self._attach(_create_handle(name))

    @classmethod
    def _wrap(cls, handle: int) -> Object:
        type_name = _lib.orvane_type_name(handle).decode()
        obj = object.__new__(_typed.get(type_name, Object))
        obj._attach(handle)
        return obj

    def _attach(self, handle: int) -> None:
        object.__setattr__(self, "_handle", handle)
        object.__setattr__(self, "_byref", {})
        type_name = _lib.orvane_type_name(handle).decode()
        info = _types.get(type_name)
        if info is None:
            info = _types[type_name] = _TypeInfo(handle)
        object.__setattr__(self, "_info", info)

    def __del__(self) -> None:
        h = self.__dict__.get("_handle")
        if h and _lib:
            _lib.orvane_release(h)
            self.__dict__["_handle"] = None

    @property
    def type_name(self) -> str:
        """The object's type: "FuncoesOrvane", "Recordset", "Document"..."""
        return _lib.orvane_type_name(self._handle).decode()

    @property
    def byref(self) -> dict[str, Any]:
        """The by-reference arguments of the last call, {parameter name: value after it}."""
        return self._byref

    # Calls by name.

    def _params(self, member: str, kind: int) -> list[_Param] | None:
        key = (member.lower(), kind)
        if key not in self._info.params:
            infos = (_ParamInfo * 64)()
            n = _lib.orvane_member_params(self._handle, member.encode(), kind, infos, 64)
            if n > 64:
                infos = (_ParamInfo * n)()
                n = _lib.orvane_member_params(self._handle, member.encode(), kind, infos, n)
            self._info.params[key] = None if n < 0 else [_Param(infos[i]) for i in range(n)]
        return self._info.params[key]

    def invoke(self, member: str, kind: int, *args: Any, **kwargs: Any) -> Any:
        """Calls `member` as METHOD, PROPERTY_GET or PROPERTY_LET; keywords are named arguments."""
        member = _member_name(member)
        names = [None] * len(args) + [_member_name(k) for k in kwargs]
        values = list(args) + list(kwargs.values())
        arena = _Arena()
        arr = (_Variant * max(1, len(values)))()
        for i, a in enumerate(values):
            arena.fill(arr[i], a)
        c_names = None
        if kwargs:
            c_names = (ctypes.c_char_p * len(names))(*[n.encode() if n else None for n in names])
        result = _Variant()
        err = _Error()
        status = _lib.orvane_invoke(self._handle, member.encode(), kind, arr, len(values), c_names,
                                    ctypes.byref(result), ctypes.byref(err))
        try:
            if status != 0:
                raise _error(err.number, err.description.decode("utf-8", "replace"))
            self._byref.clear()
            params = self._params(member, kind) or []
            by_name = {p.name.lower(): p for p in params}
            for i, name in enumerate(names):
                p = by_name.get(name.lower()) if name else params[i] if i < len(params) else None
                if p is not None and p.by_ref:
                    self._byref[p.name] = _to_python(arr[i])
            m = self._info.find(member)
            if result.type == EMPTY_T and m is not None and kind != PROPERTY_LET:
                declared = m.results.get(kind, m.results.get(METHOD, m.results.get(PROPERTY_GET)))
                if declared == EMPTY_T:
                    return None  # a Sub
            return None if kind == PROPERTY_LET else _to_python(result)
        finally:
            _lib.orvane_variant_clear(ctypes.byref(result))
            for i in range(len(values)):
                _lib.orvane_variant_clear(ctypes.byref(arr[i]))

    def call(self, member: str, *args: Any, **kwargs: Any) -> Any:
        """Calls a method (or reads a property when no method has that name)."""
        return self.invoke(member, METHOD, *args, **kwargs)

    def call_byref(self, member: str, *args: Any, **kwargs: Any) -> tuple[Any, dict[str, Any]]:
        """Calls a method; returns its result and the by-reference arguments after it."""
        value = self.invoke(member, METHOD, *args, **kwargs)
        return value, dict(self._byref)

    def get(self, prop: str, *args: Any, **kwargs: Any) -> Any:
        """Reads a property (with its index arguments, if it takes any)."""
        return self.invoke(prop, PROPERTY_GET, *args, **kwargs)

    def let(self, prop: str, *args: Any) -> None:
        """Writes a property: its index arguments, if any, then the value."""
        self.invoke(prop, PROPERTY_LET, *args)

    # Attribute access by member kind.

    def __getattr__(self, name: str) -> Any:
        if name.startswith("_"):
            raise AttributeError(name)
        member = _member_name(name)
        info = self._info
        if info.members is None:
            return self._undescribed(member)
        m = info.find(member)
        if m is None:
            raise NoSuchMemberError(
                _NO_SUCH_MEMBER,
                f"{self.type_name}.{member}: Object doesn't support this property or method")
        if m.kinds & METHOD:
            return _Method(self, m.name)
        if m.kinds & PROPERTY_GET:
            if self._params(m.name, PROPERTY_GET):
                return _IndexedProperty(self, m.name)
            return self.invoke(m.name, PROPERTY_GET)
        return self.invoke(m.name, PROPERTY_GET)  # write-only: the library says so

    def _undescribed(self, member: str) -> Any:
        # Without member tables: a value when the member answers without arguments.
        try:
            return self.invoke(member, METHOD | PROPERTY_GET)
        except ArgumentError:
            return _Method(self, member)

    def __setattr__(self, name: str, value: Any) -> None:
        if name.startswith("_"):
            object.__setattr__(self, name, value)
            return
        m = self._info.find(_member_name(name))
        self.invoke(m.name if m else name, PROPERTY_LET, value)

    def __dir__(self) -> list[str]:
        names = set(super().__dir__())
        if self._info.members:
            for m in self._info.members.values():
                if m.name.isidentifier():
                    names.add(m.name + "_" if keyword.iskeyword(m.name) else m.name)
        return sorted(names)

    # The default member ("" when the object has one, else Item): obj(i), obj[i], obj[i] = v.

    def _default(self) -> str:
        for name in ("", "Item"):
            if self._info.find(name) is not None:
                return self._info.find(name).name
        raise TypeError(f"{self.type_name} has no default member")

    def __call__(self, *args: Any, **kwargs: Any) -> Any:
        return self.invoke(self._default(), METHOD | PROPERTY_GET, *args, **kwargs)

    def __getitem__(self, key: Any) -> Any:
        args = key if isinstance(key, tuple) else (key,)
        return self.invoke(self._default(), METHOD | PROPERTY_GET, *args)

    def __setitem__(self, key: Any, value: Any) -> None:
        args = key if isinstance(key, tuple) else (key,)
        self.invoke(self._default(), PROPERTY_LET, *args, value)

    def __len__(self) -> int:
        if self._info.find("Count") is None:
            raise TypeError(f"{self.type_name} has no Count")
        return int(self.invoke("Count", PROPERTY_GET))

    def __bool__(self) -> bool:
        return True  # an object is never Nothing here (Nothing comes back as None)

    def __iter__(self) -> Iterator[Any]:
        """A dictionary's keys; a collection's items (ADO's Fields count from 0, others from 1)."""
        if self._info.find("Keys") is not None:
            return iter(self.invoke("Keys", METHOD))
        if self._info.find("Count") is None:
            raise TypeError(f"{self.type_name} is not a collection")
        first = 0 if self.type_name == "Fields" else 1
        return (self[i] for i in range(first, first + len(self)))

    def __repr__(self) -> str:
        return f"<orvane.Object {self.type_name}>"


class _Method:
    """A method of an object, bound to it: call it, or call_byref for the written-back arguments."""

    __slots__ = ("_owner", "_name")

    def __init__(self, owner: Object, name: str):
        self._owner = owner
        self._name = name

    def __call__(self, *args: Any, **kwargs: Any) -> Any:
        return self._owner.invoke(self._name, METHOD, *args, **kwargs)

    def call_byref(self, *args: Any, **kwargs: Any) -> tuple[Any, dict[str, Any]]:
        return self._owner.call_byref(self._name, *args, **kwargs)

    def __repr__(self) -> str:
        return f"<orvane method {self._owner.type_name}.{self._name}>"


class _IndexedProperty:
    """A property that takes arguments: prop(i) or prop[i] reads, prop[i] = v writes. When
    every argument is optional, its attributes are those of the value read without them
    (`Selection.Borders.LineStyle`, as well as `Selection.Borders(1)`)."""

    __slots__ = ("_owner", "_name")

    def __init__(self, owner: Object, name: str):
        object.__setattr__(self, "_owner", owner)
        object.__setattr__(self, "_name", name)

    def __call__(self, *args: Any, **kwargs: Any) -> Any:
        return self._owner.invoke(self._name, PROPERTY_GET, *args, **kwargs)

    def __getitem__(self, key: Any) -> Any:
        return self(*(key if isinstance(key, tuple) else (key,)))

    def __setitem__(self, key: Any, value: Any) -> None:
        args = key if isinstance(key, tuple) else (key,)
        self._owner.invoke(self._name, PROPERTY_LET, *args, value)

    def _value(self) -> Any:
        params = self._owner._params(self._name, PROPERTY_GET) or []
        if any(not p.optional for p in params):
            raise TypeError(f"{self._owner.type_name}.{self._name} needs "
                            + ", ".join(p.name for p in params if not p.optional))
        return self()

    def __getattr__(self, name: str) -> Any:
        if name.startswith("__"):
            raise AttributeError(name)
        return getattr(self._value(), name)

    def __setattr__(self, name: str, value: Any) -> None:
        setattr(self._value(), name, value)

    def __repr__(self) -> str:
        return f"<orvane property {self._owner.type_name}.{self._name}>"


def _create_handle(name: str) -> int:
    handle = ctypes.c_void_p()
    err = _Error()
    if _lib.orvane_create(name.encode(), ctypes.byref(handle), ctypes.byref(err)) != 0:
        raise _error(err.number, err.description.decode("utf-8", "replace"))
    return handle.value


def create(name: str) -> Object:
    """Creates a class by name or ProgID ("FuncoesOrvane", "ADODB.Connection", "Word.Application")."""
    return Object._wrap(_create_handle(name))


def set_message_handler(fn: Any) -> None:
    """fn(text, style, title) -> answer (1 OK, 6 Yes, 7 No); None restores the default.
    Applies to objects created after it."""
    if fn is None:
        _keep.pop("message", None)
        _lib.orvane_set_message_handler(_MESSAGE_FN(), None)
        return
    cb = _MESSAGE_FN(lambda _u, text, style, title: int(fn(text.decode(), style, title.decode()) or 1))
    _keep["message"] = cb
    _lib.orvane_set_message_handler(cb, None)


def set_clock(fn: Any) -> None:
    """fn() -> datetime used as "now"; None restores the system clock."""
    if fn is None:
        _keep.pop("clock", None)
        _lib.orvane_set_clock(_CLOCK_FN(), None)
        return
    cb = _CLOCK_FN(lambda _u: _to_ole(fn()))
    _keep["clock"] = cb
    _lib.orvane_set_clock(cb, None)


def set_setting(key: str, value: str) -> None:
    """Installation settings: word_version, without, printer, opener (see orvane.h)."""
    if _lib.orvane_set_setting(key.encode(), value.encode()) != 0:
        raise ValueError(f"unknown setting {key}={value}")
