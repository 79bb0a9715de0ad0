"""Python client for the Orvane component (ctypes over liborvane.so.0; no compile step).

    import orvane
    f = orvane.FuncoesOrvane()             # or orvane.create("Orvane.FuncoesOrvane")
    f.extenso("1234,56")                   # a method: 'Um mil, duzentos e ...'
    words, byref = f.extenso.call_byref("-5")   # byref == {"nValor": "5"}
    pdf = orvane.GeraPDF()
    pdf.ConvertToPDF("nota.txt", "nota.pdf", FontSize=12)   # keywords are named arguments
    sb = orvane.cStringBuilder(); sb.Append("x"); sb.Length  # a property: 1
    sb.ChunkSize = 100                     # writes a property

Arguments convert from Python values (None -> Null, orvane.MISSING -> an omitted optional,
bool, int, float, str, decimal.Decimal -> Currency, datetime -> Date, lists -> arrays,
objects). Results come back as Python values, objects as orvane.Object (the public classes
typed). A member's error raises orvane.OrvaneError with its number and description.
`obj.byref` holds the by-reference arguments of the last call, {parameter: value}.
The library is liborvane.so.0 beside this package, or the one ORVANE_LIB names.
"""

from ._client import *  # noqa: F401,F403
from ._client import METHOD, PROPERTY_GET, PROPERTY_LET, EMPTY_VALUE  # noqa: F401
from ._client import __all__ as _client_all
from .classes import *  # noqa: F401,F403
from .classes import __all__ as _classes_all

__all__ = sorted(set(_client_all) | set(_classes_all) | {"METHOD", "PROPERTY_GET", "PROPERTY_LET"})
__version__ = version()  # noqa: F405
