"""Throw-away certificates for the loopback stand-in, made with the openssl program.

make_certificates(folder) leaves in folder:
  test_ca.pem / test_ca.key      the test CA (its certificate becomes cacert.pem)
  server.pem / server.key        127.0.0.1 and localhost, signed by the test CA
  foreign.pem / foreign.key      127.0.0.1 and localhost, signed by another CA
  wrong_host.pem / wrong_host.key  wrong-host.invalid only, signed by the test CA
"""

import os
import subprocess

_KEY = ["-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"]
_LOOPBACK = "subjectAltName=IP:127.0.0.1,DNS:localhost"


def _openssl(*arguments):
    subprocess.run(["openssl", *arguments], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)


def _make_ca(folder, name):
    _openssl("req", "-x509", *_KEY, "-days", "2", "-subj", "/CN=" + name + " Test CA",
             "-addext", "basicConstraints=critical,CA:TRUE",
             "-addext", "keyUsage=critical,keyCertSign,cRLSign",
             "-keyout", os.path.join(folder, name + "_ca.key"),
             "-out", os.path.join(folder, name + "_ca.pem"))


def _make_server(folder, name, ca_name, subject_alt_name):
    base = os.path.join(folder, name)
    extensions = base + ".ext"
    with open(extensions, "w", encoding="ascii") as file:
        file.write(subject_alt_name + "\nbasicConstraints=CA:FALSE\n"
                   "keyUsage=digitalSignature\nextendedKeyUsage=serverAuth\n")
    _openssl("req", "-new", *_KEY, "-subj", "/CN=" + name,
             "-keyout", base + ".key", "-out", base + ".csr")
    ca = os.path.join(folder, ca_name + "_ca")
    _openssl("x509", "-req", "-in", base + ".csr", "-CA", ca + ".pem", "-CAkey", ca + ".key",
             "-CAcreateserial", "-days", "2", "-extfile", extensions, "-out", base + ".pem")


def make_certificates(folder):
    _make_ca(folder, "test")
    _make_ca(folder, "other")
    _make_server(folder, "server", "test", _LOOPBACK)
    _make_server(folder, "foreign", "other", _LOOPBACK)
    _make_server(folder, "wrong_host", "test", "subjectAltName=DNS:wrong-host.invalid")
    return os.path.join(folder, "test_ca.pem")
