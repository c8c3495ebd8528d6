#pragma once
// Shows the still picture inside the preview window ParentWindow (a /p request).
void ShowPreview();
