"""Generated answers of the two matrix services, with values a test can predict.

OSRM table ({"generate": "osrm_table"}): the coordinates in the path give n; the
"sources" query (all n when absent) gives the rows. Row r for source s, column j:
  durations: s * 100 + j          (an integer)
  distances: s * 1000 + j + 0.5   (a double)
Options: "max_sources": k answers {"code": "TooBig"} to more than k sources;
"null_pairs": [[s, j], ...] puts null in both tables; "huge_pairs": [[s, j], ...] puts
1.8e308 (beyond any double) in durations; "short": true drops the last row.

Google distance matrix ({"generate": "google_matrix"}): the "origins" and "destinations"
queries list "lat,long" points; the index of a point is its latitude read as a whole
number, so tests give client i the latitude "i". Element for origin i, destination j:
  duration.value: i * 100 + j,  distance.value: i * 1000 + j
Options: "max_elements": k answers {"status": refuse_status} (default
"MAX_ELEMENTS_EXCEEDED") above k origins x destinations; "null_pairs": [[i, j], ...] gives
elements {"status": "ZERO_RESULTS"} without values.
"""

import json
import urllib.parse

import scripted_answers

_HUGE = "1.8e308"


def _query(query):
    return urllib.parse.parse_qs(query, keep_blank_values=True)


def _is_null(answer, row, column):
    return [row, column] in answer.get("null_pairs", [])


def osrm_table(answer, path, query):
    coordinates = path.split("/table/v1/driving/", 1)[-1]
    n = len(coordinates.split(";")) if coordinates else 0
    listed = _query(query).get("sources", [None])[0]
    sources = [int(s) for s in listed.split(";") if s] if listed is not None else list(range(n))
    if "max_sources" in answer and len(sources) > answer["max_sources"]:
        return {"json": {"code": "TooBig", "message": "Too many table coordinates"}}
    durations = [[None if _is_null(answer, s, j) else s * 100 + j for j in range(n)]
                 for s in sources]
    distances = [[None if _is_null(answer, s, j) else s * 1000 + j + 0.5 for j in range(n)]
                 for s in sources]
    for s, j in answer.get("huge_pairs", []):
        if s in sources:
            durations[sources.index(s)][j] = _HUGE
    if answer.get("short"):
        durations, distances = durations[:-1], distances[:-1]
    table = {"code": "Ok", "durations": durations, "distances": distances}
    if not answer.get("huge_pairs"):
        return {"json": table}
    # Python's json writes no number beyond the double range, so the text is patched.
    text = json.dumps(table, separators=(",", ":")).replace('"%s"' % _HUGE, _HUGE)
    return {"body": text, "content_type": "application/json"}


def _points(text):
    return [int(float(point.split(",")[0])) for point in text.split("|") if point]


def _element(answer, i, j):
    if _is_null(answer, i, j):
        return {"status": "ZERO_RESULTS"}
    return {"status": "OK", "duration": {"text": "%d s" % (i * 100 + j), "value": i * 100 + j},
            "distance": {"text": "%d m" % (i * 1000 + j), "value": i * 1000 + j}}


def google_matrix(answer, path, query):
    fields = _query(query)
    origins = _points(fields.get("origins", [""])[0])
    destinations = _points(fields.get("destinations", [""])[0])
    if "max_elements" in answer and len(origins) * len(destinations) > answer["max_elements"]:
        status = answer.get("refuse_status", "MAX_ELEMENTS_EXCEEDED")
        return {"json": {"status": status, "rows": [], "origin_addresses": [],
                         "destination_addresses": []}}
    rows = [{"elements": [_element(answer, i, j) for j in destinations]} for i in origins]
    return {"json": {"status": "OK", "rows": rows, "origin_addresses": [],
                     "destination_addresses": []}}


scripted_answers.GENERATORS["osrm_table"] = osrm_table
scripted_answers.GENERATORS["google_matrix"] = google_matrix
