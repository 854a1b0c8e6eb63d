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

// Shows the PDF whose bytes are the Base64 text. The browser's own data-URL decoder turns the
// text into bytes much faster than a script loop over atob() would for large files.
function qpdf_ShowPdfFileBase64(text) {
  return fetch("data:application/pdf;base64," + text)
    .then(function (response) { return response.arrayBuffer(); })
    .then(function (buffer) { return qpdf_open(new Uint8Array(buffer)); });
}

// Shows the PDF at a file:// URL.
function qpdf_ShowPdfFile(url) {
  return qpdf_open(url);
}
