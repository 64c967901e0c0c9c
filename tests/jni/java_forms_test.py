#!/usr/bin/env python3
"""The generator's Java forms, on small operation lists of their own: which
form each operation gets, the decorated Windows names and Java declarations
emitted for it, and the declarations it refuses. (What the emitted JNI
functions do is tested by calling them: jni_exports_test.cpp and
jni_custom_forms_test.cpp.)

  java_forms_test.py <cmake folder>
"""
import os
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
    """(exit code, stderr, {output file: text}) of one run on a fresh tree."""
    with tempfile.TemporaryDirectory() as d:
        src = os.path.join(d, "src")
        os.makedirs(os.path.join(src, "x"))
        os.makedirs(os.path.join(src, "jni"))
        with open(os.path.join(src, "x", "x.ops"), "w") as f:
            f.write("family 1 x Test operations\n" + ops)
        with open(os.path.join(src, "jni", "java_forms.txt"), "w") as f:
            f.write(table)
        out, java = os.path.join(d, "gen"), os.path.join(d, "java")
        r = subprocess.run([sys.executable, GENERATOR, "--src", src, "--header", os.path.join(d, "v.h"), "--out", out,
                            "--java", java, *extra], capture_output=True, text=True)
        files = {}
        for root, _, names in os.walk(d):
            for n in names:
                p = os.path.join(root, n)
                with open(p, encoding="utf-8") as f:
                    files[os.path.relpath(p, d)] = f.read()
        return r.returncode, r.stderr + r.stdout, files


class JavaForms(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.code, cls.messages, cls.files = generate(OPS, TABLE)

    def test_generates(self):
        self.assertEqual(0, self.code, self.messages)

    def test_decorated_names_count_the_java_arguments(self):
        d = self.files["gen/varanda.def"]
        for cls in ("Varanda", "com_melbrosa_Varanda"):
            for name, n in [("Ping", 12), ("DefinirTexto", 20), ("ContarAlgo", 12), ("ReceberRelogio", 16),
                            ("EnviarUsuario", 16)]:
                self.assertIn(f"    _Java_{cls}_{name}@{n} = Java_{cls}_{name}@{n}\n", d)
        self.assertIn("_Java_Varanda_DesLigarLed@12", d)
        self.assertIn("_Java_com_melbrosa_Varanda_DesligarLed@12", d)
        self.assertNotIn("_Java_Varanda_DesligarLed@", d)
        for absent in ("ColetarBilhete", "EnviarBuffer", "Mostrar"):
            self.assertNotIn(f"Java_Varanda_{absent}", d)
            self.assertNotIn(f"Java_Varanda_{absent}", self.files["gen/varanda.map"])
            self.assertIn(f"    {absent} = {absent}@", d)  # the plain export stays

    def test_an_operation_without_a_form_is_named(self):
        self.assertIn("ColetarBilhete has no Java form yet", self.messages)
        self.assertIn("AtribuirContador has no Java form yet", self.messages)
        self.assertNotIn("Java_Varanda_AtribuirContador", self.files["gen/varanda.map"])
        self.assertNotIn("ReceberRelogio has no", self.messages)

    def test_java_classes(self):
        plain, pkg = self.files["java/Varanda.java"], self.files["java/com/melbrosa/Varanda.java"]
        self.assertNotIn("package", plain.split("public class", 1)[0].replace("(src/", ""))
        self.assertIn("package com.melbrosa;\n", pkg)
        for src, led in ((plain, "DesLigarLed"), (pkg, "DesligarLed")):
            self.assertIn(f"public static native int {led}(int terminal);", src)
            self.assertIn("public static native int DefinirTexto(int terminal, String text, byte line);", src)
            self.assertIn("public static native int ContarAlgo(String final_);", src)
            self.assertIn("public static native int ReceberRelogio(int terminal, int[] clock);", src)
            self.assertIn("Elements 0 to 5: day to second.", src)
            self.assertIn("Arrays: clock: at least 6 elements.", src)
            self.assertIn("public static native int EnviarUsuario(int terminal, byte[] user);", src)
            self.assertEqual(6, src.count("public static native int "))

    def test_list_java(self):
        code, out, _ = generate(OPS, TABLE, ["--list-java"])
        self.assertEqual(0, code)
        lines = out.split()
        self.assertIn("Java_Varanda_ReceberRelogio@16", lines)
        self.assertIn("ColetarBilhete", lines)  # "missing ColetarBilhete"
        self.assertEqual(12, sum(1 for x in lines if x.startswith("Java_")))

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
