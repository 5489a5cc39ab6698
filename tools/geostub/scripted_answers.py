"""Answers chosen by the test: a JSON script file, read again whenever its text changes.

Script: {"routes": {"/path/prefix": [answer, answer, ...], ...}}
A request takes the route whose key is the longest prefix of its path (query left out)
and the next answer of that route; the last answer repeats. Every new script file (a
new file renamed over the old one, as the tests' GeoStub::set_script does, even with the
same text) starts every route again from its first answer. A path without a route gets
a 404 HTML page.

Answers:
  {"json": value}                          200 and the value as compact JSON
  {"body": "text", "status": 404,          that text (repeated "repeat" times),
   "content_type": "text/html", "repeat": n}  status and content type optional
  {"close": true}                          the connection is closed without an answer
  answer options of "json" and "body" answers:
    "drip": seconds                        one byte of the body per that many seconds
    "cut": n                               the full length announced, n bytes sent, close
    "unsized": true                        no Content-Length; the body ends at close
  {"stall": seconds}                       nothing is sent for that long, then close
  {"generate": "name", ...}                an answer computed from the request by a
                                           generator of GENERATORS (see matrix modules)
"""

import json
import os
import threading

NOT_FOUND = {"body": "<html><body><h1>404 Not Found</h1></body></html>", "status": 404,
             "content_type": "text/html"}

# name -> function(answer, path, query) returning a plain answer ({"json": ...} or {"body": ...})
GENERATORS = {}


class Script:
    def __init__(self, path):
        self._path = path
        self._lock = threading.Lock()
        self._version = None
        self._routes = {}
        self._taken = {}

    def _reload_if_changed(self):
        try:
            with open(self._path, encoding="utf-8") as file:
                status = os.fstat(file.fileno())
                version = (status.st_ino, status.st_mtime_ns, status.st_size)
                if version != self._version:
                    self._version = version
                    self._routes = json.loads(file.read() or "{}").get("routes", {})
                    self._taken = {}
        except OSError:
            self._routes = {}

    def next_answer(self, path):
        with self._lock:
            self._reload_if_changed()
            keys = [key for key in self._routes if path.startswith(key)]
            if not keys:
                return NOT_FOUND
            key = max(keys, key=len)
            answers = self._routes[key]
            if not answers:
                return NOT_FOUND
            taken = self._taken.get(key, 0)
            self._taken[key] = taken + 1
            return answers[min(taken, len(answers) - 1)]


def resolve(answer, path, query):
    """Turns a generated answer into a plain one."""
    name = answer.get("generate")
    if name is None:
        return answer
    generator = GENERATORS.get(name)
    if generator is None:
        return {"body": "unknown generator " + name, "status": 500}
    return generator(answer, path, query)


def body_of(answer):
    """(status, content type, body bytes) of a plain answer."""
    if "json" in answer:
        text = json.dumps(answer["json"], separators=(",", ":"))
        return answer.get("status", 200), "application/json", text.encode("utf-8")
    text = answer.get("body", "") * answer.get("repeat", 1)
    return (answer.get("status", 200), answer.get("content_type", "text/plain"),
            text.encode("utf-8"))
