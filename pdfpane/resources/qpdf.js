// The host's entry points into the PDF.js viewer. Loaded before viewer.js.
"use strict";

// The viewer would open its sample document at start; the host decides what is shown.
document.addEventListener("webviewerloaded", function () {
  PDFViewerApplicationOptions.set("defaultUrl", "");
});

function qpdf_open(source) {
  return PDFViewerApplication.initializedPromise.then(function () {
    return PDFViewerApplication.open(source);
  });
}

// Base64 is decoded straight from the text into the byte array: going through atob() first
// would build a second string as large as the file.
var qpdf_base64Values = (function () {
  var table = new Uint8Array(256);
  var alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  for (var i = 0; i < alphabet.length; ++i) {
    table[alphabet.charCodeAt(i)] = i;
  }
  return table;
})();

// Decodes the characters of `text` from `start` to `end` (no padding among them) into `bytes`
// from index `out`; a last group of two or three characters gives one or two bytes. Returns the
// index after the last byte written.
function qpdf_decodeBase64Into(text, start, end, bytes, out) {
  var values = qpdf_base64Values;
  var i = start;
  for (; i + 4 <= end; i += 4) {
    var n = (values[text.charCodeAt(i)] << 18) | (values[text.charCodeAt(i + 1)] << 12) |
            (values[text.charCodeAt(i + 2)] << 6) | values[text.charCodeAt(i + 3)];
    bytes[out++] = n >> 16;
    bytes[out++] = (n >> 8) & 255;
    bytes[out++] = n & 255;
  }
  if (end - i >= 2) {
    var rest = (values[text.charCodeAt(i)] << 18) | (values[text.charCodeAt(i + 1)] << 12);
    if (end - i === 3) {
      rest |= values[text.charCodeAt(i + 2)] << 6;
    }
    bytes[out++] = rest >> 16;
    if (end - i === 3) {
      bytes[out++] = (rest >> 8) & 255;
    }
  }
  return out;
}

function qpdf_unpaddedLength(text) {
  var length = text.length;
  while (length > 0 && text.charCodeAt(length - 1) === 61) { // '='
    --length;
  }
  return length;
}

function qpdf_decodeBase64(text) {
  var length = qpdf_unpaddedLength(text);
  var bytes = new Uint8Array(Math.floor(length * 3 / 4));
  qpdf_decodeBase64Into(text, 0, length, bytes, 0);
  return bytes;
}

// Decodes Base64 text that arrives in pieces of any length, `length` characters in all, and
// passes the bytes to `done` after the last one. Each piece is read where it stands (joining it
// to what came before would make the engine copy it first); a group split between two pieces
// is completed from the next one. A padded last group is decoded as if its padding were
// zeros, and the bytes this adds are dropped at the end.
function qpdf_base64Receiver(length, done) {
  var bytes = new Uint8Array(Math.ceil(length / 4) * 3);
  var out = 0;
  var held = "";   // the start of a group split between pieces (fewer than four characters)
  var last = "";   // the last two characters so far, to count the padding
  return {
    add: function (piece) {
      var start = 0;
      if (held) {
        start = Math.min(4 - held.length, piece.length);
        held += piece.substring(0, start);
        if (held.length === 4) {
          out = qpdf_decodeBase64Into(held, 0, 4, bytes, out);
          held = "";
        }
      }
      var end = piece.length - (piece.length - start) % 4;
      out = qpdf_decodeBase64Into(piece, start, end, bytes, out);
      held += piece.substring(end);
      last = (last + piece.slice(-2)).slice(-2);
    },
    end: function () {
      if (held) {
        out = qpdf_decodeBase64Into(held, 0, qpdf_unpaddedLength(held), bytes, out);
      } else {
        out -= last.length - qpdf_unpaddedLength(last);
      }
      return done(out === bytes.length ? bytes : bytes.subarray(0, out));
    }
  };
}

// Shows the PDF whose bytes are the Base64 text.
function qpdf_ShowPdfFileBase64(text) {
  return qpdf_open(qpdf_decodeBase64(text));
}

// The host hands long texts over in pieces: decoding each on arrival keeps the decoding off the
// time the document waits for.
qpdf_ShowPdfFileBase64.receivePieces = function (length) {
  return qpdf_base64Receiver(length, qpdf_open);
};

// Shows the PDF at a file:// URL.
function qpdf_ShowPdfFile(url) {
  return qpdf_open(url);
}

// The host clears the search with findController.reset(); this PDF.js keeps that step private,
// but setting the same document again runs it and keeps the document.
document.addEventListener("webviewerloaded", function () {
  PDFViewerApplication.initializedPromise.then(function () {
    var finder = PDFViewerApplication.findController;
    if (finder && typeof finder.reset !== "function") {
      finder.reset = function () {
        this.setDocument(this._pdfDocument || null);
      };
    }
  });
});
