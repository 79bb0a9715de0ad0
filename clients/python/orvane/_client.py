"""Python client for the Orvane component (ctypes over liborvane.so; no compile step).

    import orvane
    f = orvane.create("FuncoesOrvane")
    f.extenso("1234,56")              # -> 'Um mil, duzentos e ...'
    value, byref = f.call_byref("AcertoDG", "abc", "0", 1, 6)
    sb = orvane.create("cStringBuilder"); sb.Append("x"); sb.Length

Members are called by name as attributes. Arguments convert from Python values
(None -> Null, orvane.MISSING -> an omitted optional, bool, int, float, str,
decimal.Decimal -> Currency, datetime -> Date, lists -> arrays, objects). Results come
back as Python values; objects as Object proxies. A member's raised error becomes
orvane.OrvaneError(number, description). `obj.byref` holds the by-reference arguments
of the last call as a dict {name: value}; `call_byref` returns them alongside the result.
"""

import ctypes
import ctypes.util
import datetime
import decimal
import os

__all__ = ["create", "OrvaneError", "Object", "MISSING", "NULL", "set_message_handler",
           "set_clock", "set_setting", "version"]

EMPTY, NULL_T, INTEGER, LONG, SINGLE, DOUBLE, CURRENCY, DATE, STRING, OBJECT, ERROR, \
    BOOLEAN = 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11
DECIMAL, BYTE, ARRAY = 14, 17, 0x2000
PARAM_NOT_FOUND = -2147352572
METHOD, PROPERTY_GET, PROPERTY_LET = 1, 2, 4


class _Missing:
    def __repr__(self):
        return "orvane.MISSING"


class _Null:
    def __repr__(self):
        return "orvane.NULL"


MISSING = _Missing()  # the omitted-argument marker
NULL = _Null()         # a Null passed explicitly (None also means Null)


class OrvaneError(Exception):
    def __init__(self, number, description):
        super().__init__(f"{number}: {description}")
        self.number = number
        self.description = description


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


def _load():
    candidates = []
    if os.environ.get("ORVANE_LIB"):
        candidates.append(os.environ["ORVANE_LIB"])
    found = ctypes.util.find_library("orvane")
    if found:
        candidates.append(found)
    candidates += ["liborvane.so.0", "liborvane.so"]
    last = None
    for c in candidates:
        try:
            return ctypes.CDLL(c)
        except OSError as e:  # try the next place
            last = e
    raise OSError(f"liborvane not found (set ORVANE_LIB): {last}")


_lib = _load()
_lib.orvane_version.restype = ctypes.c_char_p
_lib.orvane_create.argtypes = [ctypes.c_char_p, ctypes.POINTER(ctypes.c_void_p),
                               ctypes.POINTER(_Error)]
_lib.orvane_addref.argtypes = [ctypes.c_void_p]
_lib.orvane_release.argtypes = [ctypes.c_void_p]
_lib.orvane_type_name.argtypes = [ctypes.c_void_p]
_lib.orvane_type_name.restype = ctypes.c_char_p
_lib.orvane_invoke.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int,
                               ctypes.POINTER(_Variant), ctypes.c_size_t, ctypes.c_void_p,
                               ctypes.POINTER(_Variant), ctypes.POINTER(_Error)]
_lib.orvane_member_params.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int,
                                      ctypes.POINTER(_ParamInfo), ctypes.c_int]
_lib.orvane_variant_clear.argtypes = [ctypes.POINTER(_Variant)]
_lib.orvane_set_setting.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
_MESSAGE_FN = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int,
                               ctypes.c_char_p)
_CLOCK_FN = ctypes.CFUNCTYPE(ctypes.c_double, ctypes.c_void_p)
_lib.orvane_set_message_handler.argtypes = [_MESSAGE_FN, ctypes.c_void_p]
_lib.orvane_set_clock.argtypes = [_CLOCK_FN, ctypes.c_void_p]

_OLE_EPOCH = datetime.datetime(1899, 12, 30)
_keep = {}  # C callbacks must outlive their registration


def version():
    return _lib.orvane_version().decode()


def _to_ole(dt):
    if isinstance(dt, datetime.date) and not isinstance(dt, datetime.datetime):
        dt = datetime.datetime(dt.year, dt.month, dt.day)
    delta = dt - _OLE_EPOCH
    days = delta.days
    frac = delta.seconds / 86400.0
    return days + frac if days >= 0 else days - frac if frac else float(days)


def _from_ole(oa):
    days = int(oa)
    frac = abs(oa - days)
    return _OLE_EPOCH + datetime.timedelta(days=days, seconds=round(frac * 86400))


class _Arena:
    """Keeps the buffers of one call's input variants alive."""

    def __init__(self):
        self.buffers = []

    def fill(self, var, value):
        if value is None or value is NULL:
            var.type = NULL_T
        elif value is MISSING:
            var.type = ERROR
            var.v.scode = PARAM_NOT_FOUND
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
        elif isinstance(value, (datetime.datetime, datetime.date)):
            var.type = DATE
            var.v.date = _to_ole(value)
        elif isinstance(value, str):
            data = value.encode("utf-8")
            buf = ctypes.create_string_buffer(data)
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


def _to_python(var):
    t = var.type
    if t == EMPTY:
        return EMPTY_VALUE
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
        return Object(var.v.object)
    if t == ARRAY:
        return [_to_python(var.items[i]) for i in range(var.count)]
    raise TypeError(f"unknown variant type {t}")


class _Empty:
    def __repr__(self):
        return "orvane.EMPTY"

    def __bool__(self):
        return False

    def __eq__(self, other):
        return isinstance(other, _Empty) or other == ""

    def __hash__(self):
        return 0


_EmptyValue = _Empty()
EMPTY_VALUE = _EmptyValue


class ErrorValue(int):
    """A variant of the Error type (an scode)."""


class Object:
    """A late-bound Orvane object; members are called as attributes."""

    def __init__(self, handle):
        object.__setattr__(self, "_handle", handle)
        object.__setattr__(self, "byref", {})

    def __del__(self):
        h = self.__dict__.get("_handle")
        if h and _lib:
            _lib.orvane_release(h)
            self.__dict__["_handle"] = None

    @property
    def type_name(self):
        return _lib.orvane_type_name(self._handle).decode()

    def _params(self, member, kind):
        infos = (_ParamInfo * 64)()
        n = _lib.orvane_member_params(self._handle, member.encode(), kind, infos, 64)
        return [(infos[i].name.decode(), bool(infos[i].by_ref)) for i in range(max(0, min(n, 64)))]

    def invoke(self, member, kind, *args):
        arena = _Arena()
        arr = (_Variant * max(1, len(args)))()
        for i, a in enumerate(args):
            arena.fill(arr[i], a)
        result = _Variant()
        err = _Error()
        status = _lib.orvane_invoke(self._handle, member.encode(), kind, arr, len(args), None,
                                    ctypes.byref(result), ctypes.byref(err))
        try:
            if status != 0:
                raise OrvaneError(err.number, err.description.decode("utf-8", "replace"))
            byref = {}
            for (name, by_ref), i in zip(self._params(member, kind), range(len(args))):
                if by_ref:
                    byref[name] = _to_python(arr[i])
            object.__setattr__(self, "byref", byref)
            return _to_python(result)
        finally:
            _lib.orvane_variant_clear(ctypes.byref(result))
            for i in range(len(args)):
                _lib.orvane_variant_clear(ctypes.byref(arr[i]))

    def call(self, member, *args):
        return self.invoke(member, METHOD, *args)

    def call_byref(self, member, *args):
        value = self.invoke(member, METHOD, *args)
        return value, dict(self.byref)

    def get(self, prop, *args):
        return self.invoke(prop, PROPERTY_GET, *args)

    def let(self, prop, value):
        self.invoke(prop, PROPERTY_LET, value)

    def __getattr__(self, name):
        if name.startswith("__"):
            raise AttributeError(name)
        return lambda *args: self.invoke(name, METHOD, *args)

    def __setattr__(self, name, value):
        if name in ("byref",):
            object.__setattr__(self, name, value)
        else:
            self.let(name, value)

    def __repr__(self):
        return f"<orvane.Object {self.type_name}>"


def create(name):
    """Creates a class by name or ProgID ("FuncoesOrvane", "Orvane.cStringBuilder")."""
    handle = ctypes.c_void_p()
    err = _Error()
    if _lib.orvane_create(name.encode(), ctypes.byref(handle), ctypes.byref(err)) != 0:
        raise OrvaneError(err.number, err.description.decode("utf-8", "replace"))
    return Object(handle.value)


def set_message_handler(fn):
    """fn(text, style, title) -> answer (1 OK, 6 Yes, 7 No); None restores the default."""
    if fn is None:
        _keep.pop("message", None)
        _lib.orvane_set_message_handler(_MESSAGE_FN(), None)
        return
    cb = _MESSAGE_FN(lambda _u, text, style, title: int(fn(text.decode(), style, title.decode()) or 1))
    _keep["message"] = cb
    _lib.orvane_set_message_handler(cb, None)


def set_clock(fn):
    """fn() -> datetime used as "now"; None restores the system clock."""
    if fn is None:
        _keep.pop("clock", None)
        _lib.orvane_set_clock(_CLOCK_FN(), None)
        return
    cb = _CLOCK_FN(lambda _u: _to_ole(fn()))
    _keep["clock"] = cb
    _lib.orvane_set_clock(cb, None)


def set_setting(key, value):
    if _lib.orvane_set_setting(key.encode(), value.encode()) != 0:
        raise ValueError(f"unknown setting {key}={value}")
