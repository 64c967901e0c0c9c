#!/usr/bin/env python3
"""The generator's Java forms, on small operation lists of their own: which
form each operation gets, the Java declarations emitted for it, and the
declarations it refuses. (What the emitted JNI functions do is tested by
calling them: jni_forms_test.cpp.)

  java_forms_test.py <cmake folder>
"""
import os
import pathlib
import subprocess
import sys
import tempfile
import unittest

CMAKE_DIR = sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", "cmake")
GENERATOR = os.path.join(CMAKE_DIR, "gen_exports.py")

OPS = """\
op Ping(i32 terminal) -> code
    Ping.
op DesligarLed(i32 terminal) -> code jname=DesLigarLed
    Led off.
op DefinirTexto(i32 terminal, str text, u8 line) -> code
    Sets a text.
op ContarAlgo(str final) -> i32
    Counts; a Java keyword as argument name.
op ReceberRelogio(i32 terminal, out_u8 clock) -> code
    Reads the clock.
op EnviarUsuario(i32 terminal, buf user[404]) -> code
    Sends a user.
op ColetarBilhete(i32 terminal, out_u8 punch) -> code
    Collects a punch.
op EnviarBuffer(i32 terminal) -> code
    Sends the buffer.
op Mostrar(str text) -> i32 java=none
    Shows a text.
op AtribuirContador(i32 terminal, i32 value) -> code java=custom
    Int-only, but its Java form takes int[].
"""

TABLE = """\
none EnviarBuffer NaoDeclarada
form ReceberRelogio(int terminal, int[6] clock) custom
    Elements 0 to 5: day to second.
form EnviarUsuario(int terminal, byte[404] user)
"""


def generate(ops, table, extra=()):
    """(exit code, messages, {output file: text}) of one run on a fresh tree."""
    with tempfile.TemporaryDirectory() as d:
        root = pathlib.Path(d)
        for rel, text in (("src/x/x.ops", "family 1 x Test operations\n" + ops), ("src/jni/java_forms.txt", table)):
            (root / rel).parent.mkdir(parents=True, exist_ok=True)
            (root / rel).write_text(text)
        r = subprocess.run([sys.executable, GENERATOR, "--src", root / "src", "--header", root / "v.h", "--out",
                            root / "gen", "--java", root / "java", *extra], capture_output=True, text=True)
        files = {p.relative_to(root).as_posix(): p.read_text(encoding="utf-8") for p in root.rglob("*") if p.is_file()}
        return r.returncode, r.stderr + r.stdout, files


class JavaForms(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.code, cls.messages, cls.files = generate(OPS, TABLE)

    # (The .def's decorated and plain names are checked in the Windows builds
    # against the DLL: check_jni_exports.py and check_windows_dll.sh.)
    def test_operations_without_a_form_are_named(self):
        for name in ("ColetarBilhete", "AtribuirContador"):
            self.assertIn(f"{name} has no Java form yet", self.messages)
            self.assertNotIn(f"Java_Varanda_{name}", self.files["gen/varanda.map"])
        self.assertNotIn("ReceberRelogio has no", self.messages)
        code, out, _ = generate(OPS, TABLE, ["--list-java"])
        lines = out.splitlines()
        self.assertEqual(0, code)
        self.assertIn("Java_Varanda_ReceberRelogio@16", lines)
        self.assertIn("missing ColetarBilhete", lines)
        self.assertEqual(12, sum(1 for x in lines if x.startswith("Java_")))

    def test_java_classes(self):
        self.assertEqual(0, self.code, self.messages)
        plain, pkg = self.files["java/Varanda.java"], self.files["java/com/melbrosa/Varanda.java"]
        self.assertNotIn("package", plain.split("public class", 1)[0].replace("(src/", ""))
        self.assertIn("package com.melbrosa;\n", pkg)
        for src, led in ((plain, "DesLigarLed"), (pkg, "DesligarLed")):
            for declared in (f"{led}(int terminal)", "DefinirTexto(int terminal, String text, byte line)",
                             "ContarAlgo(String final_)", "ReceberRelogio(int terminal, int[] clock)",
                             "EnviarUsuario(int terminal, byte[] user)"):
                self.assertIn(f"public static native int {declared};", src)
            self.assertIn("Elements 0 to 5: day to second.", src)
            self.assertIn("Arrays: clock: at least 6 elements.", src)
            self.assertEqual(6, src.count("public static native int "))

    def test_refused_declarations(self):
        cases = [
            ("form Fantasma(int terminal) custom\n", "undeclared"),
            ("form DefinirTexto(int terminal, int text, byte line)\n", "cannot stand for"),
            ("form EnviarUsuario(int terminal, byte[] user)\n", "least length"),
            ("none ReceberRelogio\nform ReceberRelogio(int t, int[] c) custom\n", "both none and a form"),
            ("form Ping(int terminal) custom\n", "not a scalar"),
            ("form ReceberRelogio(int terminal, long[] clock) custom\n", "bad Java argument"),
            ("form ReceberRelogio(int terminal) custom\nform ReceberRelogio(int terminal) custom\n", "already"),
            ("form Mostrar(String text)\n", "without a Java form"),
        ]
        ops = OPS.replace("op Ping(i32 terminal) -> code", "op Ping(i32 terminal) -> code java=scalar")
        for table, message in cases:
            with self.subTest(table=table):
                code, out, _ = generate(ops, table)
                self.assertNotEqual(0, code)
                self.assertIn(message, out)


if __name__ == "__main__":
    unittest.main(verbosity=1)
