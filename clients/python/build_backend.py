"""The build backend of the orvane package (PEP 517), with the standard library only.

The package carries a built liborvane.so.0 and nothing to compile, so a wheel is the
package folder zipped with its metadata. Having no build requirements lets `pip install`
work where no package index is reachable.
"""

import base64
import hashlib
import io
import os
import sysconfig
import tarfile
import tomllib
import zipfile

_HERE = os.path.dirname(os.path.abspath(__file__))
_PACKAGE = "orvane"


def _project():
    with open(os.path.join(_HERE, "pyproject.toml"), "rb") as f:
        return tomllib.load(f)["project"]


def _metadata(project):
    lines = ["Metadata-Version: 2.1", f"Name: {project['name']}", f"Version: {project['version']}"]
    if "description" in project:
        lines.append(f"Summary: {project['description']}")
    if "requires-python" in project:
        lines.append(f"Requires-Python: {project['requires-python']}")
    return "\n".join(lines) + "\n"


def _tag():
    # The library inside is native: the wheel is for this platform, any Python 3.
    return "py3-none-" + sysconfig.get_platform().replace("-", "_").replace(".", "_")


def _package_files():
    root = os.path.join(_HERE, _PACKAGE)
    for folder, dirs, files in os.walk(root, followlinks=True):
        dirs[:] = sorted(d for d in dirs if d != "__pycache__")
        for name in sorted(files):
            if name.endswith(".pyc"):
                continue
            path = os.path.join(folder, name)
            yield path, os.path.relpath(path, _HERE).replace(os.sep, "/")


def _dist_info(project):
    return f"{project['name']}-{project['version']}.dist-info"


def _dist_info_files(project):
    wheel = ("Wheel-Version: 1.0\nGenerator: orvane build_backend\nRoot-Is-Purelib: false\n"
             f"Tag: {_tag()}\n")
    return {"METADATA": _metadata(project), "WHEEL": wheel, "top_level.txt": _PACKAGE + "\n"}


def get_requires_for_build_wheel(config_settings=None):
    return []


def get_requires_for_build_sdist(config_settings=None):
    return []


def prepare_metadata_for_build_wheel(metadata_directory, config_settings=None):
    project = _project()
    target = os.path.join(metadata_directory, _dist_info(project))
    os.makedirs(target, exist_ok=True)
    for name, text in _dist_info_files(project).items():
        with open(os.path.join(target, name), "w", encoding="utf-8") as f:
            f.write(text)
    return _dist_info(project)


def build_wheel(wheel_directory, config_settings=None, metadata_directory=None):
    project = _project()
    name = f"{project['name']}-{project['version']}-{_tag()}.whl"
    dist_info = _dist_info(project)
    record = []

    def add(zf, arcname, data, mode=0o644):
        info = zipfile.ZipInfo(arcname, date_time=(1980, 1, 1, 0, 0, 0))
        info.external_attr = (0o100000 | mode) << 16
        info.compress_type = zipfile.ZIP_DEFLATED
        zf.writestr(info, data)
        digest = base64.urlsafe_b64encode(hashlib.sha256(data).digest()).rstrip(b"=").decode()
        record.append(f"{arcname},sha256={digest},{len(data)}")

    # Written beside and renamed at the end, so a failed build leaves no partial wheel.
    path = os.path.join(wheel_directory, name)
    partial = path + ".part"
    try:
        with zipfile.ZipFile(partial, "w") as zf:
            for source, arcname in _package_files():
                with open(source, "rb") as f:
                    data = f.read()
                add(zf, arcname, data, 0o755 if arcname.endswith(".so.0") else 0o644)
            for file_name, text in _dist_info_files(project).items():
                add(zf, f"{dist_info}/{file_name}", text.encode())
            record.append(f"{dist_info}/RECORD,,")
            info = zipfile.ZipInfo(f"{dist_info}/RECORD", date_time=(1980, 1, 1, 0, 0, 0))
            info.external_attr = 0o100644 << 16
            zf.writestr(info, "\n".join(record) + "\n")
        os.replace(partial, path)
    except BaseException:
        if os.path.exists(partial):
            os.unlink(partial)
        raise
    return name


def build_sdist(sdist_directory, config_settings=None):
    project = _project()
    base = f"{project['name']}-{project['version']}"
    path = os.path.join(sdist_directory, base + ".tar.gz")
    partial = path + ".part"
    try:
        with tarfile.open(partial, "w:gz", dereference=True) as tar:
            for name in ("pyproject.toml", "build_backend.py"):
                tar.add(os.path.join(_HERE, name), f"{base}/{name}")
            for source, arcname in _package_files():
                tar.add(source, f"{base}/{arcname}")
            data = _metadata(project).encode()
            info = tarfile.TarInfo(f"{base}/PKG-INFO")
            info.size = len(data)
            tar.addfile(info, io.BytesIO(data))
        os.replace(partial, path)
    except BaseException:
        if os.path.exists(partial):
            os.unlink(partial)
        raise
    return base + ".tar.gz"
