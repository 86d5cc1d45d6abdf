"""Compact JSON text as the editor writes it (the text a browser's
JSON.stringify gives without indentation): no spaces, non-ASCII characters kept
as UTF-8, key order as built."""

import json


def _check(value):
    # Floats would be written differently by Python and by a script engine
    # (1.0 against 1); everything in the sample is whole or a string.
    if isinstance(value, float):
        raise ValueError("non-integral number in generated JSON: %r" % value)
    if isinstance(value, dict):
        for item in value.values():
            _check(item)
    elif isinstance(value, list):
        for item in value:
            _check(item)


def compact_json(value):
    _check(value)
    return json.dumps(value, ensure_ascii=False, separators=(",", ":"),
                      allow_nan=False)
