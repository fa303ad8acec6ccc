// Keeps the tools library non-empty while no shared tool code exists yet.
