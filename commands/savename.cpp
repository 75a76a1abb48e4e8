// Placeholder for the Save As and Add name rules.
