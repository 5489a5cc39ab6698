#!/usr/bin/env python3
"""Loopback stand-in for the geocoding and routing web services, for tests only.

Usage: geostub.py --port-file FILE --script FILE --log FILE [--cacert-dir DIR]
See README.md beside this file.
"""

import argparse
import os
import shutil
import signal
import socket
import ssl
import sys
import tempfile
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

import matrix_answers  # noqa: F401  (registers the matrix generators)
import scripted_answers
import test_certificates


class Stub(ThreadingHTTPServer):
    daemon_threads = True
    request_queue_size = 128  # tests open many connections at once

    def __init__(self, name, script, log, ssl_context=None):
        super().__init__(("127.0.0.1", 0), Handler)
        self.name = name
        self.script = script
        self.log = log
        self.ssl_context = ssl_context

    def get_request(self):
        connection, address = self.socket.accept()
        if self.ssl_context is not None:
            # The handshake runs in the request's thread, so a slow client blocks no one.
            connection = self.ssl_context.wrap_socket(
                connection, server_side=True, do_handshake_on_connect=False)
        return connection, address

    def handle_error(self, request, client_address):
        pass  # refused handshakes and clients that hung up are part of the tests


class RequestLog:
    def __init__(self, path):
        self._lock = threading.Lock()
        self._file = open(path, "a", encoding="utf-8")

    def write(self, listener, request_line):
        with self._lock:
            self._file.write(listener + " " + request_line + "\n")
            self._file.flush()


class Handler(BaseHTTPRequestHandler):
    timeout = 30

    def setup(self):
        if isinstance(self.request, ssl.SSLSocket):
            self.request.settimeout(self.timeout)
            self.request.do_handshake()
        super().setup()

    def log_message(self, *arguments):
        pass

    def do_GET(self):
        # Logged before answering: once the client has its answer, the line is there.
        self.server.log.write(self.server.name, self.requestline)
        split = urllib.parse.urlsplit(self.path)
        answer = self.server.script.next_answer(split.path)
        answer = scripted_answers.resolve(answer, split.path, split.query)
        if answer.get("close"):
            self.close_connection = True
            return
        if "stall" in answer:
            time.sleep(answer["stall"])
            self.close_connection = True
            return
        status, content_type, body = scripted_answers.body_of(answer)
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        if not answer.get("unsized"):
            self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if "cut" in answer:
            # The announced length never arrives: the client sees a broken transfer.
            self.wfile.write(body[:answer["cut"]])
            self.close_connection = True
        elif "drip" in answer:
            for byte in range(len(body)):
                self.wfile.write(body[byte:byte + 1])
                self.wfile.flush()
                time.sleep(answer["drip"])
        else:
            self.wfile.write(body)
        if answer.get("unsized"):
            self.close_connection = True  # the end of the body is the end of the connection


def tls_context(folder, name):
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(os.path.join(folder, name + ".pem"), os.path.join(folder, name + ".key"))
    return context


def unused_port():
    """A loopback port that nothing listens on (bound, then released)."""
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def start_listeners(arguments, folder):
    script = scripted_answers.Script(arguments.script)
    log = RequestLog(arguments.log)
    listeners = [Stub("http", script, log)]
    for name, certificate in (("https", "server"), ("https_foreign_ca", "foreign"),
                              ("https_wrong_host", "wrong_host")):
        listeners.append(Stub(name, script, log, tls_context(folder, certificate)))
    for listener in listeners:
        threading.Thread(target=listener.serve_forever, daemon=True).start()
    return listeners


def write_port_file(path, listeners):
    lines = ["%s %d\n" % (stub.name, stub.server_address[1]) for stub in listeners]
    lines.append("closed %d\n" % unused_port())
    with open(path + ".tmp", "w", encoding="ascii") as file:
        file.writelines(lines)
    os.replace(path + ".tmp", path)  # the reader never sees half a file


def wait_for_end(parent_pid, max_seconds):
    stop = threading.Event()
    signal.signal(signal.SIGTERM, lambda *unused: stop.set())
    signal.signal(signal.SIGINT, lambda *unused: stop.set())
    deadline = time.monotonic() + max_seconds
    # Ends with the test too when the test dies without stopping us.
    while not stop.wait(0.2):
        if os.getppid() != parent_pid or time.monotonic() > deadline:
            break


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--port-file", required=True)
    parser.add_argument("--script", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--cacert-dir", default=".")
    parser.add_argument("--max-seconds", type=float, default=600)
    arguments = parser.parse_args()
    parent_pid = os.getppid()
    folder = tempfile.mkdtemp(prefix="geostub-")
    try:
        ca_file = test_certificates.make_certificates(folder)
        shutil.copyfile(ca_file, os.path.join(arguments.cacert_dir, "cacert.pem"))
        listeners = start_listeners(arguments, folder)
        write_port_file(arguments.port_file, listeners)
        wait_for_end(parent_pid, arguments.max_seconds)
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
