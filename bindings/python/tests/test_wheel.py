"""The wheel scripts/package.sh makes: the package's modules, and a RECORD
whose hashes and sizes are those of the files it holds."""
import base64
import csv
import hashlib
import io
import os
import subprocess
import sys
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))


def test_wheel_holds_the_package_with_a_true_record(tmp_path):
    subprocess.run([sys.executable, os.path.join(HERE, "..", "build_wheel.py"), "3.0.0.12", str(tmp_path)],
                   check=True, capture_output=True)
    with zipfile.ZipFile(tmp_path / "varanda-3.0.0.12-py3-none-any.whl") as z:
        names = set(z.namelist())
        assert {"varanda/__init__.py", "varanda/_operations.py", "varanda-3.0.0.12.dist-info/WHEEL"} <= names
        rows = list(csv.reader(io.StringIO(z.read("varanda-3.0.0.12.dist-info/RECORD").decode())))
        assert {r[0] for r in rows} == names
        for name, digest, size in rows:
            if digest:
                data = z.read(name)
                want = "sha256=" + base64.urlsafe_b64encode(hashlib.sha256(data).digest()).rstrip(b"=").decode()
                assert (digest, int(size)) == (want, len(data)), name
